#include "RecordingWindow.h"

#include <QtGlobal>

QStringList RecordingWindow::takeCalls()
{
    const QStringList since = calls.mid(mark);
    mark = calls.size();
    return since;
}

MsgResult RecordingWindow::MessageDlg(const QString &text, MsgIcon icon, MsgButtons buttons)
{
    calls << QStringLiteral("MessageDlg ") + text;
    messages.append({text, icon, buttons, panel1, announcements.size()});
    if (answers.isEmpty())
        qFatal("No scripted answer left for the message box \"%s\"", qPrintable(text));
    return answers.takeFirst();
}

void RecordingWindow::SetEdit1Text(const QString &text)
{
    calls << QStringLiteral("Edit1 ") + text;
    edit1 = text;
}

void RecordingWindow::SetEdit2Text(const QString &text)
{
    calls << QStringLiteral("Edit2 ") + text;
    edit2 = text;
}

void RecordingWindow::SetEdit2ReadOnly(bool readOnly)
{
    calls << (readOnly ? QStringLiteral("Edit2 read-only") : QStringLiteral("Edit2 editable"));
    edit2ReadOnly = readOnly;
}

void RecordingWindow::SetFocus(Control control)
{
    calls << QStringLiteral("focus ") + name(control);
    focus = control;
}

void RecordingWindow::SetEnabled(Command command, bool on)
{
    calls << (on ? QStringLiteral("enable ") : QStringLiteral("disable ")) + name(command);
    enabled[command] = on;
}

void RecordingWindow::ClearLog()
{
    calls << QStringLiteral("log clear");
    logLines.clear();
}

void RecordingWindow::InsertLogLineAtTop(const QString &line)
{
    calls << QStringLiteral("log ") + line;
    logLines.prepend(line);
}

void RecordingWindow::LogCaretToStart()
{
    calls << QStringLiteral("log caret");
}

void RecordingWindow::SetStatusPanel1(const QString &text)
{
    calls << QStringLiteral("panel1 ") + text;
    panel1 = text;
}

void RecordingWindow::SetStatusPanel2(const QString &text)
{
    calls << QStringLiteral("panel2 ") + text;
    panel2 = text;
}

void RecordingWindow::ProcessMessages()
{
    calls << QStringLiteral("process");
}

int RecordingWindow::Random(int k)
{
    if (draws.isEmpty())
        qFatal("No scripted draw left for Random(%d)", k);
    const int draw = draws.takeFirst();
    if (draw < 0 || draw >= qMax(k, 1))
        qFatal("Scripted draw %d does not fit Random(%d)", draw, k);
    calls << QStringLiteral("Random(%1) = %2").arg(k).arg(draw);
    return draw;
}

void RecordingWindow::WavAbspielen(const QString &Datei, bool WaitS)
{
    calls << QStringLiteral("cue ") + Datei + (WaitS ? QStringLiteral(" waiting") : QString());
    cues.append({Datei, WaitS});
}

void RecordingWindow::MessageBeep()
{
    calls << QStringLiteral("beep");
    ++beeps;
}

bool RecordingWindow::MenuEinstDateienOhneSender()
{
    calls << QStringLiteral("file selection dialog");
    return onDateienDialog();
}

void RecordingWindow::MenuEinstOptionenClick()
{
    calls << QStringLiteral("options dialog");
    onOptionenDialog();
}

bool RecordingWindow::DateiBearbeiten(const QString &Datei, const QString &Titel,
                                      const QString &Eintraege)
{
    calls << QStringLiteral("DateiBearbeiten");
    editors.append({Datei, Titel, Eintraege});
    return false;
}

QString RecordingWindow::name(Control control)
{
    switch (control) {
    case Control::None:
        return QStringLiteral("None");
    case Control::Edit1:
        return QStringLiteral("Edit1");
    case Control::Edit2:
        return QStringLiteral("Edit2");
    case Control::RichEdit1:
        return QStringLiteral("RichEdit1");
    case Control::Button1:
        return QStringLiteral("Button1");
    case Control::Button2:
        return QStringLiteral("Button2");
    case Control::Button3:
        return QStringLiteral("Button3");
    case Control::Button4:
        return QStringLiteral("Button4");
    case Control::Other:
        return QStringLiteral("Other");
    }
    return QString();
}

QString RecordingWindow::name(Command command)
{
    switch (command) {
    case Command::Button1:
        return QStringLiteral("Button1");
    case Command::Button2:
        return QStringLiteral("Button2");
    case Command::Button3:
        return QStringLiteral("Button3");
    case Command::Button4:
        return QStringLiteral("Button4");
    case Command::MenuAktPruefen:
        return QStringLiteral("MenuAktPruefen");
    case Command::MenuAktNeu:
        return QStringLiteral("MenuAktNeu");
    case Command::MenuAktWeiter:
        return QStringLiteral("MenuAktWeiter");
    case Command::MenuAktFertig:
        return QStringLiteral("MenuAktFertig");
    case Command::MenuDateiSpeichern:
        return QStringLiteral("MenuDateiSpeichern");
    }
    return QString();
}
