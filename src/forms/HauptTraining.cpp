// What the training asks of the main window: its fields, focus, commands,
// log, status bar, settings and dialogs.

#include "forms/Haupt.h"

#include "forms/Announcement.h"
#include "forms/Bearbeiten.h"
#include "forms/ModalDialogs.h"
#include "forms/Optionen.h"
#include "forms/TrainingSettings.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

MsgResult TForm1::MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    return m_dialogs.MessageDlg(text, icon, buttons);
}

QString TForm1::Edit1Text() const
{
    return Edit1->text();
}

void TForm1::SetEdit1Text(const QString &text)
{
    // The caret goes to the start at once, before the training moves the
    // focus here: a screen reader that sees the field's caret move before
    // its focus takes the focus there without a word, and the question is
    // said once, by the training's announcement. Tab and the arrow keys
    // move the caret only after the focus event, so there the field is read.
    Edit1->setText(text);
    Edit1->setCursorPosition(0);
}

QString TForm1::Edit2Text() const
{
    return Edit2->text();
}

void TForm1::SetEdit2Text(const QString &text)
{
    Edit2->setText(text);
}

void TForm1::SetEdit2ReadOnly(bool readOnly)
{
    Edit2->setReadOnly(readOnly);
}

void TForm1::SetEdit1Description(const QString &text)
{
    Edit1->setAccessibleDescription(text);
}

void TForm1::Announce(const QString &text)
{
    Ansage->say(text);
}

std::array<TForm1::ControlWidget, 7> TForm1::controlWidgets() const
{
    return {{{Control::Edit1, Edit1},
             {Control::Edit2, Edit2},
             {Control::RichEdit1, RichEdit1},
             {Control::Button1, Button1},
             {Control::Button2, Button2},
             {Control::Button3, Button3},
             {Control::Button4, Button4}}};
}

std::array<TForm1::CommandObject, 9> TForm1::commandObjects() const
{
    return {{{Command::Button1, Button1},
             {Command::Button2, Button2},
             {Command::Button3, Button3},
             {Command::Button4, Button4},
             {Command::MenuAktPruefen, MenuAktPruefen},
             {Command::MenuAktNeu, MenuAktNeu},
             {Command::MenuAktWeiter, MenuAktWeiter},
             {Command::MenuAktFertig, MenuAktFertig},
             {Command::MenuDateiSpeichern, MenuDateiSpeichern}}};
}

void TForm1::SetFocus(Control control)
{
    for (const ControlWidget &entry : controlWidgets())
        if (entry.control == control)
            entry.widget->setFocus(Qt::OtherFocusReason);
}

Control TForm1::ActiveControl() const
{
    const QWidget *focus = focusWidget();
    if (!focus)
        return Control::None;
    for (const ControlWidget &entry : controlWidgets())
        if (entry.widget == focus)
            return entry.control;
    return Control::Other;
}

void TForm1::SetEnabled(Command command, bool enabled)
{
    // Buttons and menu items share the property, not a class that has it.
    for (const CommandObject &entry : commandObjects())
        if (entry.command == command)
            entry.object->setProperty("enabled", enabled);
}

void TForm1::ClearLog()
{
    RichEdit1->clear();
}

void TForm1::InsertLogLineAtTop(const QString &line)
{
    QTextCursor cursor(RichEdit1->document());
    cursor.movePosition(QTextCursor::Start);
    const bool empty = RichEdit1->document()->isEmpty();
    cursor.insertText(line);
    // The line before the former first one: split after the new text.
    if (!empty)
        cursor.insertBlock();
}

void TForm1::LogCaretToStart()
{
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->ensureCursorVisible();
}

void TForm1::SetStatusPanel1(const QString &text)
{
    StatusPanel1->setText(text);
}

void TForm1::SetStatusPanel2(const QString &text)
{
    StatusPanel2->setText(text);
}

void TForm1::ProcessMessages()
{
    QCoreApplication::processEvents();
}

int TForm1::Random(int k)
{
    return k <= 0 ? 0 : int(m_random.bounded(quint32(k)));
}

void TForm1::WavAbspielen(const QString &Datei, bool WaitS)
{
    // A cue sounds only with SoundS on and its file beside the program. This
    // version ships no cue files and has no player for them, so every cue is
    // silent, as a missing file is.
    Q_UNUSED(Datei);
    Q_UNUSED(WaitS);
}

void TForm1::MessageBeep()
{
    QApplication::beep();
}

bool TForm1::Lerntyp() const
{
    return m_settings.Lerntyp;
}

int TForm1::Anzeigetyp() const
{
    return m_settings.Anzeigetyp;
}

bool TForm1::ZufallS() const
{
    return m_settings.ZufallS;
}

bool TForm1::GrossKleinS() const
{
    return m_settings.GrossKleinS;
}

bool TForm1::SoundS() const
{
    return m_settings.SoundS;
}

bool TForm1::MenuEinstDateienOhneSender()
{
    return MenuEinstDateienClick(nullptr);
}

TOptForm &TForm1::OptForm()
{
    // Made when first needed, so the program starts no slower for it.
    if (!FOptForm)
        FOptForm = new TOptForm(m_settings, m_screenReader, this);
    return *FOptForm;
}

void TForm1::MenuEinstOptionenClick()
{
    TOptForm &dialog = OptForm();
    dialog.SchriftartZuweisen();
    MerkActiveControl = focusWidget();
    const int result = m_dialogs.ShowModal(dialog);
    // The keyboard comes back here whether or not the window system hands
    // it to the dialog's owner by itself.
    activateWindow();
    SetActiveControl();
    if (result != QDialog::Accepted)
        return;
    RegistryLadenSpeichern(false);
    // The braille keyboard works in test mode only.
    MenuDateiBrailletastatur->setEnabled(!Lerntyp());
    if (MenuDateiBrailletastatur->isChecked() && Lerntyp())
        MenuDateiBrailletastatur->setChecked(false);
    // Last, as it shows the current entry again under the new options and
    // tells the screen reader so.
    FTraining.ApplySettings();
}

bool TForm1::DateiBearbeiten(const QString &Datei, const QString &Titel, const QString &Eintraege)
{
    return BearbeitenForm().DateiBearbeiten(Datei, Titel, Eintraege);
}

TBearbeitenForm &TForm1::BearbeitenForm()
{
    // Made at first use, so the program starts as fast as without it; then
    // kept, hidden between uses.
    if (!FBearbeitenForm)
        FBearbeitenForm = new TBearbeitenForm(m_dialogs, m_screenReader, this);
    return *FBearbeitenForm;
}
