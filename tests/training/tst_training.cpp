#include "RecordingWindow.h"

#include "base/FileError.h"
#include "data/vocab/DatenEinlesen.h"
#include "training/Training.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString NeuHinweis = QStringLiteral("Mit \"Neu\" kann begonnen werden");

QString remaining(const QString &count)
{
    return QStringLiteral("Verbleibende Einträge: ") + count;
}

QString summary(int e, int r, int f, int u)
{
    return QStringLiteral("Das Training ist abgeschlossen!\r\nEinträge: %1\r\nRichtig: %2\r\n"
                          "Falsch: %3\r\nÜbersprungen: %4")
        .arg(e)
        .arg(r)
        .arg(f)
        .arg(u);
}

// A training over vocabulary files in a temporary folder, with a
// "Filenames.ini" there so that "Neu beginnen" loads the chosen files.
struct Fixture
{
    QTemporaryDir dir;
    RecordingWindow w;
    Training t{w, [this] { return dir.filePath(QStringLiteral("Filenames.ini")); }};

    Fixture()
    {
        QVERIFY(dir.isValid());
        write(QStringLiteral("Filenames.ini"),
              QStringLiteral("[Filenames]\r\nFilename1=a.dat\r\n"));
    }

    QString write(const QString &name, const QString &text)
    {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.write("\xEF\xBB\xBF" + text.toUtf8());
        return file.fileName();
    }

    // A vocabulary file with a title and the given sides, chosen for training.
    QString choose(const QStringList &sides, const QString &name = QStringLiteral("a.dat"))
    {
        const QString path =
            write(name, QStringLiteral("Titel\r\n") + sides.join(QStringLiteral("\r\n")));
        t.Dateien = QStringList{path};
        return path;
    }

    void type(const QString &answer)
    {
        w.edit2 = answer;
        t.UpdateMenus();
    }

    void answer(const QString &typed)
    {
        type(typed);
        QVERIFY(t.CanJudgeAnswer());
        t.MenuAktPruefenClick();
    }

    bool scriptsUsedUp() const { return w.answers.isEmpty() && w.draws.isEmpty(); }
};

const QStringList dreiEintraege{QStringLiteral("Haus"), QStringLiteral("house"),
                                QStringLiteral("Baum"), QStringLiteral("tree"),
                                QStringLiteral("Hund"), QStringLiteral("dog")};

// The calls of showing an entry in test mode with the given count.
QStringList showing(const QString &question, const QString &answerField, const QString &count)
{
    return {QStringLiteral("panel1 ") + remaining(count),
            QStringLiteral("focus Edit2"),
            QStringLiteral("Edit1 ") + question,
            QStringLiteral("Edit2 ") + answerField,
            QStringLiteral("focus Edit1"),
            QStringLiteral("process"),
            QStringLiteral("enable Button3"),
            QStringLiteral("enable Button4"),
            QStringLiteral("enable MenuAktWeiter"),
            QStringLiteral("enable MenuAktFertig")};
}

const QStringList idle{QStringLiteral("panel1 Verbleibende Einträge: 0"),
                       QStringLiteral("focus Edit2"),
                       QStringLiteral("disable Button3"),
                       QStringLiteral("disable Button4"),
                       QStringLiteral("disable MenuAktWeiter"),
                       QStringLiteral("disable MenuAktFertig"),
                       QStringLiteral("Edit1 "),
                       QStringLiteral("Edit2 "),
                       QStringLiteral("focus Edit1")};

} // namespace

class TrainingTest : public QObject
{
    Q_OBJECT

private slots:
    void fileOrderWholeTraining();
    void rightOnLastEntryWaitsForItsCue();
    void randomOrderWholeTraining();
    void randomOrderSingleEntry();
    void directions_data();
    void directions();
    void learnModeThroughSkipping();
    void fertigPartWay();
    void neuWhileRunningStartsAfresh();
    void optionsConfirmedInFileOrder();
    void optionsConfirmedInRandomOrder();
    void learnModeSwitchedOnMidTraining();
    void formCloseQuery();
    void neuWithoutChosenFilesOpensTheDialogs();
    void neuWithoutIniOpensTheDialogs();
    void neuCancelledStartsNothing();
    void neuWithUnreadableFileLeavesNoEntryShown();
    void neuWithNothingLoadedStartsNothing_data();
    void neuWithNothingLoadedStartsNothing();
    void neuWithNothingLoadedEndsARunningTraining_data();
    void neuWithNothingLoadedEndsARunningTraining();
    void skipNeverReachesPastDaten_data();
    void skipNeverReachesPastDaten();
    void pruefenWithoutEntryOnlyBeeps();
    void eachCommandSaysWhatHappenedAndWhatComes();
    void learnModeSaysQuestionAndAnswer();
    void aCommandThatFailsSaysNothing();
    void questionFieldTellsHowToBeginWhileIdle();
    void updateMenus_data();
    void updateMenus();
    void resetToIdleAndLogNumbering();
    void statusZeileText_data();
    void statusZeileText();
};

// Three entries in file order: right, skipped, wrong; the missed entries are
// offered at the end and shown in the entry editor.
void TrainingTest::fileOrderWholeTraining()
{
    Fixture f;
    f.choose(dreiEintraege);

    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.takeCalls(),
             (QStringList{QStringLiteral("cue Starte.wav")}
              + showing(QStringLiteral("Haus"), QString(), QStringLiteral("3"))
              + QStringList{QStringLiteral("panel2 Los gehts..."), QStringLiteral("log clear"),
                            QStringLiteral("log 1.: Los gehts..."), QStringLiteral("log caret"),
                            QStringLiteral("disable MenuDateiSpeichern"),
                            QStringLiteral("Edit2 editable"), QStringLiteral("disable Button1"),
                            QStringLiteral("disable MenuAktPruefen")}
              + showing(QStringLiteral("Haus"), QString(), QStringLiteral("3"))));
    QCOMPARE(f.t.AktZeile(), 1);
    QCOMPARE(f.t.MerkZeile, 1);
    QCOMPARE(f.t.ErgebnisText, QStringLiteral("house"));
    QCOMPARE(f.t.MaxAnz, 6);

    f.answer(QStringLiteral("  house "));
    QCOMPARE(f.w.edit1, QStringLiteral("Baum"));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("2")));

    f.t.MenuAktWeiterClick();
    QCOMPARE(f.w.edit1, QStringLiteral("Hund"));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("1")));
    QCOMPARE(f.t.Daten, dreiEintraege); // file order leaves Daten as loaded

    f.w.answers = {MsgResult::Ok, MsgResult::Yes};
    f.w.takeCalls();
    f.answer(QStringLiteral("cat"));
    const QStringList fehlerdatei{QStringLiteral("Baum"), QStringLiteral("tree"),
                                  QStringLiteral("Hund"), QStringLiteral("dog")};
    QCOMPARE(f.t.FalschDaten, fehlerdatei);
    const QString summaryLine = QStringLiteral(
        "Das Training ist abgeschlossen! Einträge: 3, Richtig: 1, Falsch: 1, Übersprungen: 1");
    QCOMPARE(
        f.w.takeCalls(),
        (QStringList{QStringLiteral("enable MenuDateiSpeichern"), QStringLiteral("Edit2 editable"),
                     QStringLiteral("enable Button1"), QStringLiteral("enable MenuAktPruefen"),
                     QStringLiteral("cue Falsch.wav waiting"),
                     QStringLiteral("log 4.: \"cat\" ist falsch! \"Hund\" heißt \"dog\"."),
                     QStringLiteral("log caret"), QStringLiteral("cue Weiter.wav"),
                     QStringLiteral("panel1 Verbleibende Einträge: 0"),
                     QStringLiteral("focus Edit2"), QStringLiteral("cue Fertig.wav"),
                     QStringLiteral("MessageDlg ") + summary(3, 1, 1, 1)}
         + idle
         + QStringList{QStringLiteral("enable MenuDateiSpeichern"),
                       QStringLiteral("Edit2 read-only"), QStringLiteral("disable Button1"),
                       QStringLiteral("disable MenuAktPruefen"),
                       QStringLiteral("panel2 ") + NeuHinweis,
                       QStringLiteral("log 5.: ") + summaryLine, QStringLiteral("log caret"),
                       QStringLiteral("log 6.: ") + NeuHinweis + QLatin1Char('.'),
                       QStringLiteral("log caret"),
                       QStringLiteral("MessageDlg Sollen die nicht gewussten Einträge "
                                      "angezeigt werden?"),
                       QStringLiteral("DateiBearbeiten"), QStringLiteral("log caret"),
                       QStringLiteral("focus RichEdit1")}));

    QCOMPARE(f.w.logLines,
             (QStringList{QStringLiteral("6.: ") + NeuHinweis + QLatin1Char('.'),
                          QStringLiteral("5.: ") + summaryLine,
                          QStringLiteral("4.: \"cat\" ist falsch! \"Hund\" heißt \"dog\"."),
                          QStringLiteral("3.: Es wurde übersprungen."),
                          QStringLiteral("2.: \"house\" ist richtig! \"Haus\" heißt \"house\"."),
                          QStringLiteral("1.: Los gehts...")}));
    QCOMPARE(f.w.messages.at(0).icon, MsgIcon::Information);
    QCOMPARE(f.w.messages.at(0).buttons, MsgButtons::Ok);
    QCOMPARE(f.w.messages.at(0).statusPanel1, remaining(QStringLiteral("0")));
    QCOMPARE(f.w.messages.at(1).icon, MsgIcon::Confirmation);
    QCOMPARE(f.w.messages.at(1).buttons, MsgButtons::YesNo);
    QCOMPARE(f.w.editors.size(), 1);
    QCOMPARE(f.w.editors.at(0).datei, QString());
    QCOMPARE(f.w.editors.at(0).titel, QStringLiteral("Fehlerdatei"));
    QCOMPARE(f.w.editors.at(0).eintraege, QStringLiteral("Baum\r\ntree\r\nHund\r\ndog\r\n"));

    QCOMPARE(f.w.cues.size(), 6);
    const QStringList cueOrder{QStringLiteral("Starte.wav"), QStringLiteral("Richtig.wav"),
                               QStringLiteral("Weiter.wav"), QStringLiteral("Falsch.wav"),
                               QStringLiteral("Weiter.wav"), QStringLiteral("Fertig.wav")};
    for (int i = 0; i < cueOrder.size(); ++i) {
        QCOMPARE(f.w.cues.at(i).file, cueOrder.at(i));
        QCOMPARE(f.w.cues.at(i).wait, cueOrder.at(i) == QStringLiteral("Falsch.wav"));
    }
    QCOMPARE(f.t.RichtigAnz, 1);
    QCOMPARE(f.t.FalschAnz, 1);
    QCOMPARE(f.t.AktZeile(), 0);
    QCOMPARE(f.t.MerkZeile, 0);
    QCOMPARE(f.t.StatusZeileText(), 0);
    QCOMPARE(f.w.panel2, NeuHinweis);
    QVERIFY(f.t.ErgebnisText.isEmpty());

    // After the end the menu item still shows the same entries.
    QVERIFY(f.w.isEnabled(Command::MenuDateiSpeichern));
    f.t.MenuDateiSpeichernClick();
    QCOMPARE(f.w.editors.size(), 2);
    QCOMPARE(f.w.editors.at(1).eintraege, f.w.editors.at(0).eintraege);
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::rightOnLastEntryWaitsForItsCue()
{
    Fixture f;
    f.choose(dreiEintraege.mid(0, 4));
    f.t.MenuAktNeuClick();
    f.answer(QStringLiteral("house"));
    QCOMPARE(f.w.cues.last().wait, false);
    f.w.answers = {MsgResult::Ok};
    f.answer(QStringLiteral("TREE"));
    QCOMPARE(f.w.cues.size(), 4);
    QCOMPARE(f.w.cues.at(2).file, QStringLiteral("Richtig.wav"));
    QCOMPARE(f.w.cues.at(2).wait, true);
    QCOMPARE(f.w.cues.at(3).file, QStringLiteral("Fertig.wav"));
    QCOMPARE(f.w.messages.last().text, summary(2, 2, 0, 0));
    QCOMPARE(f.w.logLines.at(1),
             QStringLiteral("4.: Das Training ist abgeschlossen! Einträge: 2, Richtig: 2, "
                            "Falsch: 0, Übersprungen: 0"));
    QCOMPARE(f.w.logLines.at(2),
             QStringLiteral("3.: \"TREE\" ist richtig! \"Baum\" heißt \"tree\"."));
    QVERIFY(f.scriptsUsedUp()); // no question: nothing was missed
}

// Each entry is asked once; answered and skipped ones leave Daten, and the
// count goes down by one each time.
void TrainingTest::randomOrderWholeTraining()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.w.zufall = true;
    f.w.draws = {1}; // first entry: number 2
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.edit1, QStringLiteral("Baum"));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("3")));
    QCOMPARE(f.t.Daten.size(), 6);

    f.w.draws = {1}; // of Haus, Hund: Hund
    f.answer(QStringLiteral("tree"));
    QCOMPARE(f.t.Daten,
             (QStringList{QStringLiteral("Haus"), QStringLiteral("house"), QStringLiteral("Hund"),
                          QStringLiteral("dog")}));
    QCOMPARE(f.w.edit1, QStringLiteral("Hund"));
    QCOMPARE(f.t.AktZeile(), 2);
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("2")));

    f.w.draws = {0};
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.t.Daten, (QStringList{QStringLiteral("Haus"), QStringLiteral("house")}));
    QCOMPARE(f.w.edit1, QStringLiteral("Haus"));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("1")));

    f.w.draws = {0}; // Random(0) after the last one left
    f.w.answers = {MsgResult::Ok, MsgResult::No};
    f.answer(QStringLiteral("house"));
    QVERIFY(f.t.Daten.isEmpty());
    QCOMPARE(f.w.cues.at(f.w.cues.size() - 2).file, QStringLiteral("Richtig.wav"));
    QCOMPARE(f.w.cues.at(f.w.cues.size() - 2).wait, true);
    QCOMPARE(f.w.messages.at(0).text, summary(3, 2, 0, 1));
    QCOMPARE(f.w.messages.at(1).text,
             QStringLiteral("Sollen die nicht gewussten Einträge angezeigt werden?"));
    QVERIFY(f.w.editors.isEmpty()); // No: the editor stays closed
    QCOMPARE(f.t.FalschDaten, (QStringList{QStringLiteral("Hund"), QStringLiteral("dog")}));
    QVERIFY(f.w.calls.contains(QStringLiteral("Random(0) = 0")));
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::randomOrderSingleEntry()
{
    Fixture f;
    f.choose(dreiEintraege.mid(0, 2));
    f.w.zufall = true;
    f.w.draws = {0};
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("1")));
    f.w.draws = {0};
    f.w.answers = {MsgResult::Ok};
    f.answer(QStringLiteral("house"));
    QCOMPARE(f.w.messages.at(0).text, summary(1, 1, 0, 0));
    QCOMPARE(f.t.AktZeile(), 0);
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::directions_data()
{
    QTest::addColumn<int>("anzeigetyp");
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<QString>("ergebnis");

    const QString a = QStringLiteral("Haus|Gebäude");
    const QString b = QStringLiteral("house");
    QTest::newRow("A-B test") << 1 << false << QList<int>{} << a << ""
                              << "house";
    QTest::newRow("B-A test") << 2 << false << QList<int>{} << b << ""
                              << "Haus | Gebäude";
    QTest::newRow("X-X drawn as A-B") << 3 << false << QList<int>{1, 0} << a << ""
                                      << "house";
    QTest::newRow("X-X drawn as B-A") << 3 << false << QList<int>{0, 1} << b << ""
                                      << "Haus | Gebäude";
    QTest::newRow("none chosen") << 0 << false << QList<int>{} << a << ""
                                 << "house";
    QTest::newRow("out of range") << 7 << false << QList<int>{} << a << ""
                                  << "house";
    QTest::newRow("A-B learn") << 1 << true << QList<int>{} << a << b << "";
    QTest::newRow("B-A learn") << 2 << true << QList<int>{} << b << a << "";
}

// The direction decides what is asked and expected; the missed entry is
// stored as it stands in the file whatever the direction.
void TrainingTest::directions()
{
    QFETCH(int, anzeigetyp);
    QFETCH(bool, lerntyp);
    QFETCH(QList<int>, draws);
    QFETCH(QString, question);
    QFETCH(QString, answerField);
    QFETCH(QString, ergebnis);

    Fixture f;
    f.choose({QStringLiteral("Haus|Gebäude"), QStringLiteral("house")});
    f.w.anzeigetyp = anzeigetyp;
    f.w.lerntyp = lerntyp;
    f.w.draws = draws;
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.edit1, question);
    QCOMPARE(f.w.edit2, answerField);
    QCOMPARE(f.t.ErgebnisText, ergebnis);
    QCOMPARE(f.w.edit2ReadOnly, lerntyp);

    f.w.answers = {MsgResult::Ok};
    if (!lerntyp)
        f.w.answers << MsgResult::No;
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.t.FalschDaten,
             (lerntyp ? QStringList()
                      : QStringList{QStringLiteral("Haus|Gebäude"), QStringLiteral("house")}));
    QVERIFY(f.scriptsUsedUp());
}

// Learn mode: the answer is shown, "Prüfen" stays off, skipping misses
// nothing and the end asks no question.
void TrainingTest::learnModeThroughSkipping()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.w.lerntyp = true;
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.edit2, QStringLiteral("house"));
    QVERIFY(f.w.edit2ReadOnly);
    f.t.UpdateMenus();
    QVERIFY(!f.w.isEnabled(Command::Button1));
    QVERIFY(!f.w.isEnabled(Command::MenuAktPruefen));

    f.t.MenuAktPruefenClick(); // forwarded although disabled: judges nothing
    QCOMPARE(f.w.beeps, 1);
    QCOMPARE(f.t.RichtigAnz + f.t.FalschAnz, 0);
    QCOMPARE(f.t.AktZeile(), 1);

    f.t.MenuAktWeiterClick();
    f.t.MenuAktWeiterClick();
    f.w.answers = {MsgResult::Ok};
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.w.messages.size(), 1);
    QCOMPARE(f.w.messages.at(0).text, summary(3, 0, 0, 3));
    QVERIFY(f.t.FalschDaten.isEmpty());
    QVERIFY(!f.w.isEnabled(Command::MenuDateiSpeichern));
    QCOMPARE(f.w.logLines.mid(2),
             (QStringList{QStringLiteral("4.: Es wurde übersprungen."),
                          QStringLiteral("3.: Es wurde übersprungen."),
                          QStringLiteral("2.: Es wurde übersprungen."),
                          QStringLiteral("1.: Los gehts...")}));
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::fertigPartWay()
{
    Fixture f;
    f.choose(dreiEintraege + dreiEintraege.mid(0, 4));
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("5")));
    f.answer(QStringLiteral("house"));

    f.w.answers = {MsgResult::No};
    f.w.takeCalls();
    f.t.MenuAktFertigClick();
    QCOMPARE(f.w.takeCalls(), QStringList{QStringLiteral("MessageDlg Bist du wirklich fertig?")});
    QCOMPARE(f.w.messages.last().icon, MsgIcon::Confirmation);
    QCOMPARE(f.w.messages.last().buttons, MsgButtons::YesNo);
    QCOMPARE(f.t.AktZeile(), 2);

    f.w.answers = {MsgResult::Yes, MsgResult::Ok};
    f.t.MenuAktFertigClick();
    QCOMPARE(f.w.messages.last().text, summary(5, 1, 0, 4));
    // Asked for an entry past the end; the count shows 0, not 1 - 5.
    QCOMPARE(f.w.messages.last().statusPanel1, remaining(QStringLiteral("0")));
    QCOMPARE(f.w.logLines,
             (QStringList{QStringLiteral("5.: ") + NeuHinweis + QLatin1Char('.'),
                          QStringLiteral("4.: Das Training ist abgeschlossen! Einträge: 5, "
                                         "Richtig: 1, Falsch: 0, Übersprungen: 4"),
                          QStringLiteral("3.: Ich bin fertig."),
                          QStringLiteral("2.: \"house\" ist richtig! \"Haus\" heißt \"house\"."),
                          QStringLiteral("1.: Los gehts...")}));
    QCOMPARE(f.t.AktZeile(), 0);
    QCOMPARE(f.w.focus, Control::RichEdit1);
    QVERIFY(f.scriptsUsedUp());

    // Once idle, the disabled commands do nothing if they are reached anyway.
    f.w.takeCalls();
    f.t.MenuAktFertigClick();
    f.t.MenuAktWeiterClick();
    QVERIFY(f.w.takeCalls().isEmpty());
}

void TrainingTest::neuWhileRunningStartsAfresh()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.answer(QStringLiteral("house"));
    f.answer(QStringLiteral("wood"));
    QCOMPARE(f.t.RichtigAnz, 1);
    QCOMPARE(f.t.FalschAnz, 1);
    QCOMPARE(f.t.AktZeile(), 3);

    f.t.MenuAktNeuClick();
    QCOMPARE(f.t.AktZeile(), 1);
    QCOMPARE(f.w.edit1, QStringLiteral("Haus"));
    QCOMPARE(f.t.RichtigAnz, 0);
    QCOMPARE(f.t.FalschAnz, 0);
    QCOMPARE(f.t.Fehleingabe, 0);
    QVERIFY(f.t.FalschDaten.isEmpty());
    QVERIFY(!f.w.isEnabled(Command::MenuDateiSpeichern));
    QCOMPARE(f.w.logLines, QStringList{QStringLiteral("1.: Los gehts...")});
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("3")));
    QCOMPARE(f.w.panel2, QStringLiteral("Los gehts..."));
}

// Confirming the options shows the same entry again; with "X-X" its
// direction is drawn anew.
void TrainingTest::optionsConfirmedInFileOrder()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.w.edit1, QStringLiteral("Baum"));

    f.w.anzeigetyp = 3;
    f.w.draws = {1};
    f.t.ApplySettings();
    QCOMPARE(f.t.AktZeile(), 2);
    QCOMPARE(f.w.edit1, QStringLiteral("tree"));
    QCOMPARE(f.t.ErgebnisText, QStringLiteral("Baum"));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("2")));
    QCOMPARE(f.t.FalschDaten.size(), 2); // showing again misses nothing
    QVERIFY(f.scriptsUsedUp());
}

// In random order another entry is shown; the one shown before stays.
void TrainingTest::optionsConfirmedInRandomOrder()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.w.zufall = true;
    f.w.draws = {1};
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.edit1, QStringLiteral("Baum"));

    f.w.draws = {1, 1, 2}; // the same one twice, then another
    f.t.ApplySettings();
    QCOMPARE(f.w.edit1, QStringLiteral("Hund"));
    QCOMPARE(f.t.AktZeile(), 3);
    QCOMPARE(f.t.MerkZeile, 3);
    QCOMPARE(f.t.Daten, dreiEintraege);
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("3")));

    // Moving on now removes the entry shown last, not the one before it.
    f.w.draws = {0};
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.t.Daten, dreiEintraege.mid(0, 4));
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::learnModeSwitchedOnMidTraining()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.w.lerntyp = true;
    f.t.ApplySettings();
    QCOMPARE(f.w.edit2, QStringLiteral("house"));
    QVERIFY(f.w.edit2ReadOnly);
    QVERIFY(f.t.ErgebnisText.isEmpty());
    QVERIFY(!f.w.isEnabled(Command::Button1));
}

void TrainingTest::formCloseQuery()
{
    Fixture f;
    f.choose(dreiEintraege.mid(0, 2));
    f.t.ResetToIdle();
    QVERIFY(f.t.FormCloseQuery());
    QVERIFY(f.w.messages.isEmpty());

    f.t.MenuAktNeuClick();
    const QString question = QStringLiteral(
        "Das Training ist noch nicht abgeschlossen!\r\nSoll das Programm trotzdem beendet werden?");
    f.w.answers = {MsgResult::No, MsgResult::Yes};
    QVERIFY(!f.t.FormCloseQuery());
    QVERIFY(f.t.FormCloseQuery());
    QCOMPARE(f.w.messages.size(), 2);
    QCOMPARE(f.w.messages.at(0).text, question);
    QCOMPARE(f.w.messages.at(0).icon, MsgIcon::Confirmation);
    QCOMPARE(f.w.messages.at(0).buttons, MsgButtons::YesNo);
    QCOMPARE(f.t.AktZeile(), 1); // asking changes nothing

    f.w.answers = {MsgResult::Ok};
    f.answer(QStringLiteral("house"));
    QVERIFY(f.t.FormCloseQuery());
    QCOMPARE(f.w.messages.size(), 3); // only the summary
}

void TrainingTest::neuWithoutChosenFilesOpensTheDialogs()
{
    Fixture f;
    const QString path = f.choose(dreiEintraege);
    f.t.Dateien.clear();
    f.w.onDateienDialog = [&] {
        f.t.Dateien = QStringList{path};
        DatenEinlesen(f.t, f.w);
        return true;
    };
    f.t.MenuAktNeuClick();
    const QStringList calls = f.w.calls;
    QCOMPARE(calls.mid(0, 3),
             (QStringList{QStringLiteral("file selection dialog"), QStringLiteral("options dialog"),
                          QStringLiteral("cue Starte.wav")}));
    QCOMPARE(f.t.AktZeile(), 1);
    QCOMPARE(f.w.edit1, QStringLiteral("Haus"));
}

void TrainingTest::neuWithoutIniOpensTheDialogs()
{
    Fixture f;
    f.choose(dreiEintraege);
    QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("Filenames.ini"))));
    bool loaded = false;
    f.w.onDateienDialog = [&] {
        DatenEinlesen(f.t, f.w);
        loaded = true;
        return true;
    };
    f.t.MenuAktNeuClick();
    QVERIFY(loaded);
    QVERIFY(f.w.calls.contains(QStringLiteral("options dialog")));
    QCOMPARE(f.t.AktZeile(), 1);
}

// Cancelled with no files chosen, or with the rest of an earlier training
// still in Daten: nothing starts and nothing changes.
void TrainingTest::neuCancelledStartsNothing()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.w.zufall = true;
    f.w.draws = {0, 0};
    f.t.MenuAktNeuClick();
    f.answer(QStringLiteral("house"));
    QCOMPARE(f.t.RichtigAnz, 1);
    QCOMPARE(f.t.Daten.size(), 4);
    QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("Filenames.ini"))));

    f.w.takeCalls();
    f.t.MenuAktNeuClick(); // the dialog answers cancel
    QCOMPARE(
        f.w.takeCalls(),
        (QStringList{QStringLiteral("file selection dialog"), QStringLiteral("options dialog")}));
    QCOMPARE(f.t.RichtigAnz, 1);
    QCOMPARE(f.t.AktZeile(), 1);

    f.t.Dateien.clear();
    f.w.onDateienDialog = [&] {
        f.t.Daten.clear();
        f.t.setAktZeile(0);
        return false;
    };
    f.t.MenuAktNeuClick();
    QCOMPARE(f.t.AktZeile(), 0);
    QCOMPARE(f.w.cues.size(), 2); // Starte, Richtig: no new start
    QVERIFY(f.scriptsUsedUp());
}

// A file that cannot be read breaks loading off; the old training's entry is
// not left on screen against the half-loaded list.
void TrainingTest::neuWithUnreadableFileLeavesNoEntryShown()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.t.MenuAktWeiterClick();
    f.t.Dateien << f.dir.filePath(QStringLiteral("verschwunden.dat"));
    QVERIFY_THROWS_EXCEPTION(FileError, f.t.MenuAktNeuClick());
    QCOMPARE(f.t.AktZeile(), 0);
    QVERIFY(f.w.edit1.isEmpty());
    QVERIFY(!f.w.isEnabled(Command::Button3));
    QVERIFY(!f.w.isEnabled(Command::Button1));
    QCOMPARE(f.t.StatusZeileText(), 0);
    QCOMPARE(f.w.panel2, NeuHinweis);
}

void TrainingTest::eachCommandSaysWhatHappenedAndWhatComes()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.answer(QStringLiteral("house"));
    f.answer(QStringLiteral("Ast"));
    // Also the first question, though the training showed it twice.
    QCOMPARE(
        f.w.announcements,
        (QStringList{QStringLiteral("Los gehts... Frage: Haus"),
                     QStringLiteral("\"house\" ist richtig! \"Haus\" heißt \"house\". Frage: Baum"),
                     QStringLiteral("\"Ast\" ist falsch! \"Baum\" heißt \"tree\". Frage: Hund")}));

    // The last verdict comes before the summary, which is then read as a
    // dialog; the lines the end writes to the log are read where the focus
    // goes, in the log.
    f.t.MenuAktNeuClick();
    f.t.MenuAktWeiterClick();
    f.t.MenuAktWeiterClick();
    f.w.announcements.clear();
    f.w.answers = {MsgResult::Ok, MsgResult::No};
    f.answer(QStringLiteral("dog"));
    QCOMPARE(f.w.announcements,
             QStringList{QStringLiteral("\"dog\" ist richtig! \"Hund\" heißt \"dog\".")});
    QCOMPARE(f.w.messages.at(f.w.messages.size() - 2).announcedBefore, 1);

    f.w.announcements.clear();
    f.t.MenuAktNeuClick();
    f.w.answers = {MsgResult::Yes, MsgResult::Ok};
    f.t.MenuAktFertigClick();
    QCOMPARE(f.w.announcements,
             (QStringList{QStringLiteral("Los gehts... Frage: Haus"),
                          QStringLiteral("Ich bin fertig.")}));
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::learnModeSaysQuestionAndAnswer()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.w.lerntyp = true;
    f.w.anzeigetyp = 2;
    f.t.MenuAktNeuClick();
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.w.announcements,
             (QStringList{QStringLiteral("Los gehts... Frage: house, Antwort: Haus"),
                          QStringLiteral("Es wurde übersprungen. Frage: tree, Antwort: Baum")}));
}

void TrainingTest::aCommandThatFailsSaysNothing()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.Dateien << f.dir.filePath(QStringLiteral("verschwunden.dat"));
    QVERIFY_THROWS_EXCEPTION(FileError, f.t.MenuAktNeuClick());
    QVERIFY(f.w.announcements.isEmpty());
}

void TrainingTest::questionFieldTellsHowToBeginWhileIdle()
{
    Fixture f;
    f.choose(dreiEintraege);
    f.t.ResetToIdle();
    QCOMPARE(f.w.edit1Description, NeuHinweis);
    f.t.MenuAktNeuClick();
    QCOMPARE(f.w.edit1Description, QString());
    f.w.answers = {MsgResult::Yes, MsgResult::Ok, MsgResult::No};
    f.t.MenuAktFertigClick();
    QCOMPARE(f.w.edit1Description, NeuHinweis);
}

void TrainingTest::neuWithNothingLoadedStartsNothing_data()
{
    QTest::addColumn<QStringList>("sides");
    QTest::addColumn<bool>("oddMessage");
    QTest::newRow("one line") << QStringList{QStringLiteral("Haus")} << false;
    QTest::newRow("odd line count") << dreiEintraege.mid(0, 3) << true;
}

// Files that give no entries start no training; the odd one is reported
// through the window's message box.
void TrainingTest::neuWithNothingLoadedStartsNothing()
{
    QFETCH(QStringList, sides);
    QFETCH(bool, oddMessage);
    Fixture f;
    const QString path = f.choose(sides);
    if (oddMessage)
        f.w.answers = {MsgResult::Ok};
    f.t.MenuAktNeuClick();
    QVERIFY(f.t.Daten.isEmpty());
    QCOMPARE(f.t.AktZeile(), 0);
    QStringList expected;
    if (oddMessage)
        expected << QStringLiteral("MessageDlg In \"%1\" befindet sich eine ungerade "
                                   "Datensatzanzahl!")
                        .arg(path);
    QCOMPARE(f.w.calls, expected);
    QVERIFY(f.scriptsUsedUp());
}

void TrainingTest::neuWithNothingLoadedEndsARunningTraining_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("oddMessage");
    QTest::newRow("title only") << QStringLiteral("Titel\r\n") << false;
    QTest::newRow("odd line count") << QStringLiteral("Titel\r\nHaus\r\nhouse\r\nBaum") << true;
    QTest::newRow("empty file") << QString() << false;
}

// The chosen file was edited while a training ran and now gives no entries:
// the old question must not stay on screen over the emptied list.
void TrainingTest::neuWithNothingLoadedEndsARunningTraining()
{
    QFETCH(QString, text);
    QFETCH(bool, oddMessage);
    Fixture f;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.answer(QStringLiteral("wood"));
    QCOMPARE(f.t.AktZeile(), 2);
    f.t.UpdateMenus();
    QVERIFY(f.w.isEnabled(Command::MenuDateiSpeichern));

    f.write(QStringLiteral("a.dat"), text);
    if (oddMessage)
        f.w.answers = {MsgResult::Ok};
    f.t.MenuAktNeuClick();

    QVERIFY(f.t.Daten.isEmpty());
    QCOMPARE(f.t.AktZeile(), 0);
    QCOMPARE(f.t.MerkZeile, 0);
    QVERIFY(f.w.edit1.isEmpty());
    QVERIFY(f.w.edit2.isEmpty());
    QVERIFY(f.w.edit2ReadOnly);
    for (Command command :
         {Command::Button1, Command::Button3, Command::Button4, Command::MenuAktPruefen,
          Command::MenuAktWeiter, Command::MenuAktFertig, Command::MenuDateiSpeichern})
        QVERIFY2(!f.w.isEnabled(command), qPrintable(RecordingWindow::name(command)));
    QCOMPARE(f.w.panel1, remaining(QStringLiteral("0")));
    QCOMPARE(f.w.panel2, NeuHinweis);
    QCOMPARE(f.w.logLines, QStringList{QStringLiteral("1.: ") + NeuHinweis + QLatin1Char('.')});
    QCOMPARE(f.w.announcements.constLast(), NeuHinweis + QLatin1Char('.'));
    QCOMPARE(f.w.cues.size(), 3); // Starte, Falsch, Weiter: no new start
    QVERIFY(f.scriptsUsedUp());

    // Nothing is left to skip, judge or close over.
    f.w.takeCalls();
    f.t.MenuAktWeiterClick();
    QVERIFY(f.w.takeCalls().isEmpty());
    QVERIFY(f.t.FalschDaten.isEmpty());
    QVERIFY(f.t.FormCloseQuery());
}

void TrainingTest::skipNeverReachesPastDaten_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::newRow("learn mode") << true;
    QTest::newRow("test mode") << false;
}

// Whatever left Daten shorter than the entry shown, a skip that still gets
// through must neither read past the list nor move on.
void TrainingTest::skipNeverReachesPastDaten()
{
    QFETCH(bool, lerntyp);
    Fixture f;
    f.w.lerntyp = lerntyp;
    f.choose(dreiEintraege);
    f.t.MenuAktNeuClick();
    f.t.MenuAktWeiterClick();
    QCOMPARE(f.t.AktZeile(), 2);
    const QStringList falschDaten = f.t.FalschDaten;

    f.t.Daten.clear();
    f.w.takeCalls();
    f.t.MenuAktWeiterClick();
    QVERIFY(f.w.takeCalls().isEmpty());
    QCOMPARE(f.t.FalschDaten, falschDaten);
    QCOMPARE(f.t.AktZeile(), 2);
}

void TrainingTest::pruefenWithoutEntryOnlyBeeps()
{
    Fixture f;
    f.t.ResetToIdle();
    f.w.edit2 = QStringLiteral("house");
    f.w.takeCalls();
    f.t.MenuAktPruefenClick();
    QCOMPARE(f.w.takeCalls(), QStringList{QStringLiteral("beep")});
    QCOMPARE(f.t.RichtigAnz + f.t.FalschAnz, 0);
}

void TrainingTest::updateMenus_data()
{
    QTest::addColumn<bool>("lerntyp");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<Control>("focus");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("button1");
    QTest::addColumn<bool>("menu");

    QTest::newRow("test, answer typed")
        << false << true << "x" << Control::Edit2 << false << true << true;
    QTest::newRow("test, only blanks typed")
        << false << true << " \t " << Control::Edit2 << false << false << false;
    QTest::newRow("test, idle") << false << false << "x" << Control::Edit2 << true << false
                                << false;
    QTest::newRow("learn") << true << true << "x" << Control::Edit2 << true << false << false;
    QTest::newRow("focus on Prüfen")
        << false << true << "x" << Control::Button1 << false << true << true;
    QTest::newRow("focus on Neu") << false << true << "x" << Control::Button2 << false << true
                                  << false;
    QTest::newRow("focus on Überspringen")
        << false << true << "x" << Control::Button3 << false << true << false;
    QTest::newRow("focus on Fertig")
        << false << true << "x" << Control::Button4 << false << true << false;
    QTest::newRow("focus on the log")
        << false << true << "x" << Control::RichEdit1 << false << true << true;
}

void TrainingTest::updateMenus()
{
    QFETCH(bool, lerntyp);
    QFETCH(bool, running);
    QFETCH(QString, answer);
    QFETCH(Control, focus);
    QFETCH(bool, readOnly);
    QFETCH(bool, button1);
    QFETCH(bool, menu);

    Fixture f;
    f.choose(dreiEintraege);
    if (running)
        f.t.MenuAktNeuClick();
    f.w.lerntyp = lerntyp;
    f.w.edit2 = answer;
    f.w.focus = focus;
    f.t.UpdateMenus();
    QCOMPARE(f.w.edit2ReadOnly, readOnly);
    QCOMPARE(f.w.isEnabled(Command::Button1), button1);
    QCOMPARE(f.w.isEnabled(Command::MenuAktPruefen), menu);
    QCOMPARE(f.w.isEnabled(Command::MenuDateiSpeichern), false);

    f.t.FalschDaten << QStringLiteral("a") << QStringLiteral("b");
    f.t.UpdateMenus();
    QCOMPARE(f.w.isEnabled(Command::MenuDateiSpeichern), true);
}

void TrainingTest::resetToIdleAndLogNumbering()
{
    Fixture f;
    f.t.Fehleingabe = 2;
    f.t.ResetToIdle();
    QCOMPARE(f.w.takeCalls(),
             (idle
              + QStringList{QStringLiteral("panel2 ") + NeuHinweis, QStringLiteral("log clear"),
                            QStringLiteral("log 1.: ") + NeuHinweis + QLatin1Char('.'),
                            QStringLiteral("log caret")}));
    QCOMPARE(f.t.Fehleingabe, 0);
    QCOMPARE(f.t.AktZeile(), 0);
    QCOMPARE(f.w.focus, Control::Edit1);

    f.t.setRichEditText(QStringLiteral("zwei"));
    f.t.setRichEditText(QStringLiteral("drei"));
    QCOMPARE(f.w.logLines,
             (QStringList{QStringLiteral("3.: drei"), QStringLiteral("2.: zwei"),
                          QStringLiteral("1.: ") + NeuHinweis + QLatin1Char('.')}));
    f.t.ResetToIdle();
    QCOMPARE(f.w.logLines, QStringList{QStringLiteral("1.: ") + NeuHinweis + QLatin1Char('.')});
}

void TrainingTest::statusZeileText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("shown");
    QTest::newRow("0") << 0 << "0";
    QTest::newRow("999") << 999 << "999";
    QTest::newRow("1000") << 1000 << "1.000";
    QTest::newRow("100000") << 100000 << "100.000";
    QTest::newRow("1234567") << 1234567 << "1.234.567";
}

void TrainingTest::statusZeileText()
{
    QFETCH(int, n);
    QFETCH(QString, shown);
    Fixture f;
    f.t.setStatusZeileText(n);
    QCOMPARE(f.w.panel1, remaining(shown));
    QCOMPARE(f.t.StatusZeileText(), n);
}

QTEST_GUILESS_MAIN(TrainingTest)
#include "tst_training.moc"
