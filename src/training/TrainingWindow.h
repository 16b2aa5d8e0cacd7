#pragma once

#include "base/MessageDialog.h"

#include <QString>

// The controls of the main window that the training moves the focus to or
// asks about. The buttons carry the tags 1 to 4 in this order.
enum class Control { None, Edit1, Edit2, RichEdit1, Button1, Button2, Button3, Button4, Other };

// The commands the training enables and disables: the four buttons and the
// menu items of the same meaning, plus "Fehlerdatei speichern...".
enum class Command {
    Button1,
    Button2,
    Button3,
    Button4,
    MenuAktPruefen,
    MenuAktNeu,
    MenuAktWeiter,
    MenuAktFertig,
    MenuDateiSpeichern
};

// Everything the training needs from the main window. TForm1 implements it
// with its widgets and real dialogs; tests implement it with a recorder, so
// every training rule runs without a window. The message box comes from
// MessageDialog. Nothing here may block except the modal dialogs and a cue
// played with waiting.
class TrainingWindow : public MessageDialog
{
public:
    // Question field (read-only) and answer field.
    virtual QString Edit1Text() const = 0;
    virtual void SetEdit1Text(const QString &text) = 0;
    virtual QString Edit2Text() const = 0;
    virtual void SetEdit2Text(const QString &text) = 0;
    virtual void SetEdit2ReadOnly(bool readOnly) = 0;
    // What a screen reader adds when it reads the question field; empty: nothing.
    virtual void SetEdit1Description(const QString &text) = 0;

    // Keyboard focus: move it, and ask which control holds it (None when no
    // control of the window has it, Other for a control not listed).
    virtual void SetFocus(Control control) = 0;
    virtual Control ActiveControl() const = 0;

    virtual void SetEnabled(Command command, bool enabled) = 0;

    // The log shows the lines the training hands it, newest on top; the
    // training keeps their numbering, the window only shows them.
    virtual void ClearLog() = 0;
    virtual void InsertLogLineAtTop(const QString &line) = 0;
    virtual void LogCaretToStart() = 0;

    // The two panels of StatusBar1: remaining entries, status text.
    virtual void SetStatusPanel1(const QString &text) = 0;
    virtual void SetStatusPanel2(const QString &text) = 0;

    // Says a text to the screen reader at once, on the braille display too.
    // A later text cuts off an earlier one, so each command says one.
    virtual void Announce(const QString &text) = 0;

    // Runs the pending window events, so the new question is drawn and read
    // out before anything else happens.
    virtual void ProcessMessages() = 0;

    // A uniform pseudo-random number in 0..k-1; k <= 0 gives 0.
    virtual int Random(int k) = 0;

    // Plays the cue file of that name from the program's folder when sounds
    // are on and the file exists; with WaitS true returns only once it ended.
    // A cue that cannot be opened throws, and the running command ends there.
    virtual void WavAbspielen(const QString &Datei, bool WaitS) = 0;
    // The system's default beep; sounds whatever the sound setting is.
    virtual void MessageBeep() = 0;

    // The five training settings, live in the options dialog's controls.
    virtual bool Lerntyp() const = 0; // true: learn, false: test
    virtual int Anzeigetyp() const = 0; // 1 A-B, 2 B-A, 3 X-X; anything else counts as A-B
    virtual bool ZufallS() const = 0;
    virtual bool GrossKleinS() const = 0;
    virtual bool SoundS() const = 0;

    // The file selection dialog as opened by "Neu beginnen" (no sender): on
    // O&K it stores the choice, saves the settings, loads the entries
    // (DatenEinlesen) and returns true; on cancel with no chosen files it
    // empties Daten, shows no entry (AktZeile 0) and returns false.
    virtual bool MenuEinstDateienOhneSender() = 0;
    // The options dialog with its opener's steps; when it was confirmed the
    // window ends them with Training::ApplySettings.
    virtual void MenuEinstOptionenClick() = 0;

    // The entry editor, modal, preset with a file name, a title and the
    // entries; true when it was closed after a save.
    virtual bool DateiBearbeiten(const QString &Datei, const QString &Titel,
                                 const QString &Eintraege) = 0;
};
