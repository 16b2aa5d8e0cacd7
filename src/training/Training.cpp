#include "training/Training.h"

#include "base/TrimBlanks.h"
#include "data/folders/Dateinamen.h"
#include "data/vocab/DatenEinlesen.h"
#include "training/Antwortvergleich.h"
#include "training/TrainingWindow.h"

#include <QFileInfo>

#include <exception>

namespace {

// The caption of Button2 without "&" marks, named by the status hint.
const QString StartHint = QStringLiteral("Mit \"Neu\" kann begonnen werden");
const QString LetsGo = QStringLiteral("Los gehts...");

// 1234567 -> "1.234.567"
QString GroupThousands(int n)
{
    const QString digits = QString::number(qAbs(qint64(n)));
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped.append(QLatin1Char('.'));
        grouped.append(digits.at(i));
    }
    return n < 0 ? QLatin1Char('-') + grouped : grouped;
}

void EnableSkipAndEnd(TrainingWindow &w, bool enabled)
{
    w.SetEnabled(Command::Button3, enabled);
    w.SetEnabled(Command::Button4, enabled);
    w.SetEnabled(Command::MenuAktWeiter, enabled);
    w.SetEnabled(Command::MenuAktFertig, enabled);
}

} // namespace

class Training::Announcing
{
public:
    explicit Announcing(Training &training)
        : t(training)
        , exceptionsBefore(std::uncaught_exceptions())
    {
        if (t.commandDepth++ == 0) {
            t.newLogLines.clear();
            t.shownEntry.clear();
        }
    }
    ~Announcing()
    {
        if (--t.commandDepth == 0 && std::uncaught_exceptions() == exceptionsBefore)
            t.Announce();
    }
    Announcing(const Announcing &) = delete;
    Announcing &operator=(const Announcing &) = delete;

private:
    Training &t;
    const int exceptionsBefore;
};

Training::Training(TrainingWindow &window, std::function<QString()> iniPfad)
    : w(window)
    , iniPfad(iniPfad ? std::move(iniPfad) : [] { return DateinamenIniPfad(); })
{}

void Training::setAktZeile(int V)
{
    FAktZeile = V;
    ErgebnisText.clear();
    const int N = int(Daten.size() / 2);
    const bool zufall = w.ZufallS();
    // "Fertig" in file order asks for an entry past the end; the count then
    // shows 0, not a negative number, while the summary is open.
    setStatusZeileText(V == 0 ? 0 : zufall ? N : qMax(0, N - V + 1));
    w.SetFocus(Control::Edit2);

    if (V == 0) {
        MerkZeile = 0;
        shownEntry.clear();
        // While idle the question field tells how to begin.
        w.SetEdit1Description(StartHint);
        EnableSkipAndEnd(w, false);
        w.SetEdit1Text(QString());
        w.SetEdit2Text(QString());
        w.SetFocus(Control::Edit1);
        return;
    }
    if (V < 0 || Daten.size() < 2 * qsizetype(V) || Daten.isEmpty()) {
        EndTraining();
        return;
    }

    // The entry still remembered is not asked again while another is left.
    if (zufall) {
        while (FAktZeile == MerkZeile && Daten.size() > 2)
            FAktZeile = w.Random(N) + 1;
    }

    QString a = Daten.at(2 * FAktZeile - 2);
    QString b = Daten.at(2 * FAktZeile - 1);
    const int direction = w.Anzeigetyp();
    if (direction == 2 || (direction == 3 && w.Random(2) == 1))
        std::swap(a, b);

    if (w.Lerntyp()) {
        ErgebnisText.clear();
    } else {
        ErgebnisText = CheckTrennung(b);
        b.clear();
    }
    MerkZeile = FAktZeile;
    shownEntry = w.Lerntyp() ? QStringLiteral("Frage: %1, Antwort: %2").arg(a, b)
                             : QStringLiteral("Frage: %1").arg(a);

    w.SetEdit1Description(QString());
    w.SetEdit1Text(a);
    w.SetEdit2Text(b);
    // Focus leaves and re-enters the question field, so the screen reader
    // reads every new question, also when the field had the focus before.
    w.SetFocus(Control::Edit1);
    w.ProcessMessages();
    EnableSkipAndEnd(w, true);
}

void Training::MoveOn()
{
    if (w.ZufallS()) {
        if (MerkZeile > 0) {
            Daten.remove(2 * qsizetype(MerkZeile) - 2, 2);
            MerkZeile = 0;
        }
        // With no entry left this is 1, which ends the training.
        setAktZeile(w.Random(int(Daten.size() / 2)) + 1);
    } else {
        setAktZeile(AktZeile() + 1);
    }
}

void Training::MenuAktNeuClick()
{
    const Announcing announcing(*this);
    try {
        if (!Dateien.isEmpty() && QFileInfo::exists(iniPfad())) {
            DatenEinlesen(*this, w);
        } else {
            const bool chosen = w.MenuEinstDateienOhneSender();
            w.MenuEinstOptionenClick();
            // Cancelled: what Daten still holds is the rest of an earlier
            // training with its counters, not a new one.
            if (!chosen)
                return;
        }
    } catch (...) {
        // Loading broke off part-way: show no entry of the old training
        // against the half-loaded list, then let the error be shown.
        setAktZeile(0);
        UpdateMenus();
        setStatusText(StartHint);
        throw;
    }
    if (Daten.isEmpty()) {
        // The files now give no entries (edited since): a running training
        // has lost its list and goes idle; an idle one stays as it was.
        if (AktZeile() != 0) {
            ResetToIdle();
            UpdateMenus();
        }
        return;
    }

    UeberspringeTextS = true;
    w.WavAbspielen(QStringLiteral("Starte.wav"), false);
    setAktZeile(w.ZufallS() ? w.Random(int(Daten.size() / 2)) + 1 : 1);
    Fehleingabe = 0;
    setStatusText(LetsGo);
    ClearLog();
    setRichEditText(LetsGo);
    UpdateMenus();
    // Shown once more now that the log is reset (with "X-X" its direction
    // is drawn anew).
    MerkZeile = 0;
    setAktZeile(AktZeile());
}

void Training::MenuAktWeiterClick()
{
    const Announcing announcing(*this);
    // No entry shown, or none left in Daten under its number.
    if (AktZeile() <= 0 || Daten.size() < 2 * qsizetype(AktZeile()))
        return;
    w.WavAbspielen(QStringLiteral("Weiter.wav"), false);
    if (!w.Lerntyp()) {
        // As stored, whatever direction it was asked in.
        FalschDaten.append(Daten.at(2 * AktZeile() - 2));
        FalschDaten.append(Daten.at(2 * AktZeile() - 1));
    }
    if (UeberspringeTextS)
        setRichEditText(QStringLiteral("Es wurde übersprungen."));
    UeberspringeTextS = true;
    MoveOn();
    Fehleingabe = 0;
}

void Training::MenuAktFertigClick()
{
    const Announcing announcing(*this);
    if (AktZeile() == 0)
        return;
    if (w.MessageDlg(QStringLiteral("Bist du wirklich fertig?"), MsgIcon::Confirmation,
                     MsgButtons::YesNo)
        != MsgResult::Yes)
        return;
    setRichEditText(QStringLiteral("Ich bin fertig."));
    setStatusText(StartHint);
    setAktZeile(int(Daten.size()));
}

void Training::EndTraining()
{
    // The last verdict is heard before the summary box; what the end writes
    // to the log afterwards is read there, where the focus goes.
    Announce();
    w.WavAbspielen(QStringLiteral("Fertig.wav"), false);
    const int entries = MaxAnz / 2;
    const QString summary =
        QStringLiteral("Das Training ist abgeschlossen!\r\nEinträge: %1\r\nRichtig: %2\r\n"
                       "Falsch: %3\r\nÜbersprungen: %4")
            .arg(entries)
            .arg(RichtigAnz)
            .arg(FalschAnz)
            .arg(entries - RichtigAnz - FalschAnz);
    w.MessageDlg(summary, MsgIcon::Information, MsgButtons::Ok);
    setAktZeile(0);
    UpdateMenus();
    setStatusText(StartHint);
    QString logLine = summary;
    logLine.replace(QLatin1String("\r\n"), QLatin1String(", "));
    logLine.replace(QLatin1String("!,"), QLatin1String("!"));
    setRichEditText(logLine);
    setRichEditText(FStatusText + QLatin1Char('.'));

    if (!FalschDaten.isEmpty()
        && w.MessageDlg(QStringLiteral("Sollen die nicht gewussten Einträge angezeigt werden?"),
                        MsgIcon::Confirmation, MsgButtons::YesNo)
            == MsgResult::Yes)
        MenuDateiSpeichernClick();

    // The screen reader starts reading the log at its newest line.
    w.LogCaretToStart();
    w.SetFocus(Control::RichEdit1);
    newLogLines.clear();
}

void Training::Announce()
{
    QStringList parts = newLogLines;
    if (!shownEntry.isEmpty())
        parts.append(shownEntry);
    newLogLines.clear();
    shownEntry.clear();
    if (!parts.isEmpty())
        w.Announce(parts.join(QLatin1Char(' ')));
}

void Training::MenuAktPruefenClick()
{
    const Announcing announcing(*this);
    // Only reached with "Prüfen" disabled: no entry, learn mode or nothing typed.
    if (!CanJudgeAnswer()) {
        w.MessageBeep();
        return;
    }
    const QString input = CheckTrennung(Eingabe());
    const QString question = w.Edit1Text();
    if (AntwortVergleichen(input, ErgebnisText)) {
        // The last entry's cue must end before "Fertig.wav" would cut it off.
        w.WavAbspielen(QStringLiteral("Richtig.wav"), StatusZeileText() == 1);
        ++RichtigAnz;
        setRichEditText(QStringLiteral("\"%1\" ist richtig! \"%2\" heißt \"%3\".")
                            .arg(input, question, ErgebnisText));
        Fehleingabe = 0;
        MoveOn();
    } else {
        // A wrong answer is final: the entry counts as missed and is skipped.
        ++Fehleingabe;
        w.WavAbspielen(QStringLiteral("Falsch.wav"), true);
        UeberspringeTextS = false;
        setRichEditText(QStringLiteral("\"%1\" ist falsch! \"%2\" heißt \"%3\".")
                            .arg(input, question, ErgebnisText));
        ++FalschAnz;
        MenuAktWeiterClick();
    }
}

void Training::MenuDateiSpeichernClick()
{
    QString text;
    for (const QString &line : std::as_const(FalschDaten))
        text += line + QLatin1String("\r\n");
    w.DateiBearbeiten(QString(), QStringLiteral("Fehlerdatei"), text);
}

bool Training::CanJudgeAnswer() const
{
    return !w.Lerntyp() && AktZeile() > 0 && !Eingabe().isEmpty();
}

void Training::UpdateMenus()
{
    w.SetEnabled(Command::MenuDateiSpeichern, !FalschDaten.isEmpty());
    w.SetEdit2ReadOnly(w.Lerntyp() || AktZeile() == 0);
    const bool pruefen = CanJudgeAnswer();
    w.SetEnabled(Command::Button1, pruefen);
    // Enter belongs to "Prüfen"; on "Neu", "Überspringen" or "Fertig" it
    // must neither check nor press the button.
    const Control focus = w.ActiveControl();
    const bool otherButtonFocused =
        focus == Control::Button2 || focus == Control::Button3 || focus == Control::Button4;
    w.SetEnabled(Command::MenuAktPruefen, pruefen && !otherButtonFocused);
}

bool Training::FormCloseQuery()
{
    if (StatusZeileText() == 0)
        return true;
    return w.MessageDlg(QStringLiteral("Das Training ist noch nicht abgeschlossen!\r\n"
                                       "Soll das Programm trotzdem beendet werden?"),
                        MsgIcon::Confirmation, MsgButtons::YesNo)
        == MsgResult::Yes;
}

void Training::ResetToIdle()
{
    Fehleingabe = 0;
    setAktZeile(0);
    setStatusText(StartHint);
    ClearLog();
    setRichEditText(FStatusText + QLatin1Char('.'));
}

void Training::ApplySettings()
{
    const Announcing announcing(*this);
    UpdateMenus();
    setAktZeile(AktZeile());
}

bool Training::AntwortVergleichen(const QString &input, const QString &expected) const
{
    return ::AntwortVergleichen(input, expected, w.GrossKleinS());
}

void Training::setStatusZeileText(int n)
{
    FStatusZeileText = n;
    w.SetStatusPanel1(QStringLiteral("Verbleibende Einträge: ") + GroupThousands(n));
}

void Training::setStatusText(const QString &text)
{
    FStatusText = text;
    w.SetStatusPanel2(text);
}

void Training::setRichEditText(const QString &text)
{
    ++logLineCount;
    newLogLines.append(text);
    w.InsertLogLineAtTop(QString::number(logLineCount) + QLatin1String(".: ") + text);
    w.LogCaretToStart();
}

void Training::ClearLog()
{
    logLineCount = 0;
    newLogLines.clear();
    w.ClearLog();
}

QString Training::Eingabe() const
{
    return trimmedBlanks(w.Edit2Text());
}
