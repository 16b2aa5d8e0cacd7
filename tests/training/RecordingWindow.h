#pragma once

#include "training/TrainingWindow.h"

#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>

// A main window for the training without widgets: it keeps the state a real
// window would show, writes every call into `calls` in order, and answers
// message boxes and random draws from scripts. A script that runs out stops
// the test run at once, naming the call that found it empty.
class RecordingWindow : public TrainingWindow
{
public:
    struct Message
    {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
        QString statusPanel1; // what the remaining count showed while it was open
        qsizetype announcedBefore; // how many announcements came before it
    };
    struct Cue
    {
        QString file;
        bool wait;
    };
    struct Editor
    {
        QString datei, titel, eintraege;
    };

    // What the window shows.
    QString edit1, edit2;
    bool edit2ReadOnly = false;
    Control focus = Control::None;
    QHash<Command, bool> enabled;
    QStringList logLines; // top line first
    QString panel1, panel2;
    QString edit1Description;

    // Settings as the options dialog holds them.
    bool lerntyp = false;
    int anzeigetyp = 1;
    bool zufall = false;
    bool grossKlein = false;
    bool sound = true;

    // Scripts.
    QList<MsgResult> answers;
    QList<int> draws;
    std::function<bool()> onDateienDialog = [] { return false; };
    std::function<void()> onOptionenDialog = [] {};

    // Records.
    QStringList calls;
    QList<Message> messages;
    QList<Cue> cues;
    QList<Editor> editors;
    QStringList announcements; // what the screen reader was told, kept apart from the calls
    int beeps = 0;

    bool isEnabled(Command command) const { return enabled.value(command, false); }
    // Calls recorded since the last mark, then a new mark.
    QStringList takeCalls();

    MsgResult MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons) override;
    QString Edit1Text() const override { return edit1; }
    void SetEdit1Text(const QString &text) override;
    QString Edit2Text() const override { return edit2; }
    void SetEdit2Text(const QString &text) override;
    void SetEdit2ReadOnly(bool readOnly) override;
    void SetEdit1Description(const QString &text) override { edit1Description = text; }
    void Announce(const QString &text) override { announcements.append(text); }
    void SetFocus(Control control) override;
    Control ActiveControl() const override { return focus; }
    void SetEnabled(Command command, bool on) override;
    void ClearLog() override;
    void InsertLogLineAtTop(const QString &line) override;
    void LogCaretToStart() override;
    void SetStatusPanel1(const QString &text) override;
    void SetStatusPanel2(const QString &text) override;
    void ProcessMessages() override;
    int Random(int k) override;
    void WavAbspielen(const QString &Datei, bool WaitS) override;
    void MessageBeep() override;
    bool Lerntyp() const override { return lerntyp; }
    int Anzeigetyp() const override { return anzeigetyp; }
    bool ZufallS() const override { return zufall; }
    bool GrossKleinS() const override { return grossKlein; }
    bool SoundS() const override { return sound; }
    bool MenuEinstDateienOhneSender() override;
    void MenuEinstOptionenClick() override;
    bool DateiBearbeiten(const QString &Datei, const QString &Titel,
                         const QString &Eintraege) override;

    static QString name(Control control);
    static QString name(Command command);

private:
    qsizetype mark = 0;
};
