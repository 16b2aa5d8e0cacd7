#pragma once

#include "data/vocab/Eintragslisten.h"

#include <QString>
#include <QStringList>

#include <functional>

class TrainingWindow;

// The state of a training and the rules by which it starts, shows one entry
// after another, judges answers, moves on and ends. The main window owns one
// and forwards its commands here; everything visible happens through the
// TrainingWindow it is given.
class Training : public Eintragslisten
{
public:
    // iniPfad names "Filenames.ini" for the check of "Neu beginnen"; without
    // one it is DateinamenIniPfad(). Tests point it into a temporary folder.
    explicit Training(TrainingWindow &window, std::function<QString()> iniPfad = {});

    // Number of the entry asked (from 1); 0 = no training. Setting it shows
    // that entry, or ends the training when there is no such entry.
    int AktZeile() const { return FAktZeile; }
    void setAktZeile(int V);

    int Fehleingabe = 0; // wrong tries on the current entry
    QString ErgebnisText; // expected answer, normalised; empty in learn mode
    bool UeberspringeTextS = true; // the next skip writes "Es wurde übersprungen."

    // The commands of the buttons and the "Aktionen" menu.
    void MenuAktPruefenClick();
    void MenuAktNeuClick();
    void MenuAktWeiterClick();
    void MenuAktFertigClick();
    // "Fehlerdatei speichern...": the missed entries into the entry editor.
    void MenuDateiSpeichernClick();

    void UpdateMenus();
    // Whether the window may close: asks while entries remain.
    bool FormCloseQuery();

    // The idle state the window starts in when shown and after the data
    // folder was switched: empty fields, the "Neu" hint in status and log.
    void ResetToIdle();
    // After Lerntyp was set or the options dialog was confirmed: menus
    // updated and the current entry shown again under the new settings (in
    // random order another entry).
    void ApplySettings();

    // Answer checking with the letter-case setting of the window.
    bool AntwortVergleichen(const QString &input, const QString &expected) const;

    // Remaining entries in the first status panel; reading gives the number
    // last set.
    int StatusZeileText() const { return FStatusZeileText; }
    void setStatusZeileText(int n);
    // The second status panel.
    void setStatusText(const QString &text);
    // Adds a numbered line on top of the log.
    void setRichEditText(const QString &text);
    // The answer field's text, trimmed.
    QString Eingabe() const;

    // Whether "Prüfen" can judge now: test mode, an entry shown, an answer typed.
    bool CanJudgeAnswer() const;

private:
    // Runs for the outermost command: what the command wrote to the log and
    // the entry it left shown are said to the screen reader in one text
    // when it ends. A command that throws says nothing; its error is shown.
    class Announcing;
    void Announce();

    void MoveOn();
    void EndTraining();
    void ClearLog();

    TrainingWindow &w;
    std::function<QString()> iniPfad;
    int FAktZeile = 0;
    int FStatusZeileText = 0;
    QString FStatusText;
    int logLineCount = 0; // lines in the log since it was last cleared
    int commandDepth = 0;
    QStringList newLogLines; // written by the running command, unnumbered
    QString shownEntry; // the entry shown now, as it is said
};
