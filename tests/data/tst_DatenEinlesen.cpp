#include "base/FileError.h"
#include "base/TrimBlanks.h"
#include "data/text/Lines.h"
#include "data/text/SystemCodePage.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"
#include "data/vocab/DatenEinlesen.h"
#include "data/vocab/EntryLines.h"

#include "support/RecordingMessageDialog.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using ByteArrayList = QList<QByteArray>;
using IntList = QList<int>;

class TestDatenEinlesen : public QObject
{
    Q_OBJECT

private slots:
    void loading_data();
    void loading();
    void resetsCountersAndLists();
    void unreadableFileThrowsAndKeepsEarlierFiles();
    void fiftyMegabyteLineIsOnlyATitle();
    void longFilesKeepEveryLineAndBreak_data();
    void longFilesKeepEveryLineAndBreak();
    void binaryGarbageLoadsWithoutHarm_data();
    void binaryGarbageLoadsWithoutHarm();

private:
    QStringList writeFiles(const QTemporaryDir &dir, const ByteArrayList &contents);
};

namespace {
QByteArray utf16le(const QString &text)
{
    return QByteArray("\xFF\xFE") + encoded(QStringEncoder::Utf16LE, text);
}

enum Encoding { Utf8, EightBit, Utf16 };

const QString oddMessage = QStringLiteral("In \"%1\" befindet sich eine ungerade Datensatzanzahl!");
} // namespace

QStringList TestDatenEinlesen::writeFiles(const QTemporaryDir &dir, const ByteArrayList &contents)
{
    QStringList paths;
    for (int i = 0; i < contents.size(); ++i) {
        paths.append(dir.filePath(QStringLiteral("liste%1.dat").arg(i)));
        writeTestFile(paths.back(), contents[i]);
    }
    return paths;
}

void TestDatenEinlesen::loading_data()
{
    QTest::addColumn<ByteArrayList>("files");
    QTest::addColumn<QStringList>("daten");
    QTest::addColumn<IntList>("oddFiles"); // files reported with an odd count

    const QStringList haus{"Haus", "house"};
    const QStringList kaese{QStringLiteral("K\u00E4se"), "cheese"};
    QTest::newRow("pair") << ByteArrayList{"Titel\r\nHaus\r\nhouse\r\n"} << haus << IntList{};
    QTest::newRow("tab on one line") << ByteArrayList{"Titel\r\nHaus\thouse"} << haus << IntList{};
    QTest::newRow("tab in the title makes the count odd")
        << ByteArrayList{"Deutsch\tEnglisch\r\nHaus\r\nhouse\r\n"} << QStringList{} << IntList{0};
    QTest::newRow("title and one line")
        << ByteArrayList{"Titel\r\nHaus\r\n"} << QStringList{} << IntList{};
    QTest::newRow("title only") << ByteArrayList{"Titel"} << QStringList{} << IntList{};
    QTest::newRow("empty file") << ByteArrayList{""} << QStringList{} << IntList{};
    QTest::newRow("only blanks") << ByteArrayList{"  \r\n\t \r\n \x01\n"} << QStringList{}
                                 << IntList{};
    QTest::newRow("single line without title drop")
        << ByteArrayList{"Haus"} << QStringList{} << IntList{};
    QTest::newRow("empty line shifts the pairs")
        << ByteArrayList{"Titel\nHaus\n\nhouse\nKatze\n"}
        << QStringList{"Haus", "", "house", "Katze"} << IntList{};
    QTest::newRow("blank lines at the end do not count")
        << ByteArrayList{"Titel\nHaus\nhouse\n\n \n\t\n"} << haus << IntList{};
    QTest::newRow("sides are trimmed, a blank side stays")
        << ByteArrayList{"Titel\n  Haus \x1f\n\x01 house\n   \nKatze"}
        << QStringList{"Haus", "house", "", "Katze"} << IntList{};
    QTest::newRow("no-break space is no blank")
        << ByteArrayList{"Titel\nHaus\xA0\nhouse"}
        << QStringList{QStringLiteral("Haus\u00A0"), "house"} << IntList{};
    QTest::newRow("CR LF, lone CR and lone LF")
        << ByteArrayList{"Titel\rHaus\nhouse\r\nKatze\rcat"}
        << QStringList{"Haus", "house", "Katze", "cat"} << IntList{};
    QTest::newRow("tab next to a line break")
        << ByteArrayList{"Titel\nA\t\nB\r\tC\tD"} << QStringList{"A", "", "B", "", "C", "D"}
        << IntList{};
    QTest::newRow("utf-8 without mark")
        << ByteArrayList{"Titel\nK\xC3\xA4se\ncheese"} << kaese << IntList{};
    QTest::newRow("8-bit") << ByteArrayList{"Titel\nK\xE4se\ncheese"} << kaese << IntList{};
    QTest::newRow("utf-8 holding a replacement mark")
        << ByteArrayList{"Titel\nK\xEF\xBF\xBDse\ncheese"}
        << QStringList{QStringLiteral("K\uFFFDse"), "cheese"} << IntList{};
    QTest::newRow("utf-8 with an encoded surrogate")
        << ByteArrayList{"Titel\n\xED\xA0\x80x\ncheese"}
        << QStringList{QStringLiteral("\uFFFD\uFFFD\uFFFDx"), "cheese"} << IntList{};
    QTest::newRow("8-bit that starts like utf-8")
        << ByteArrayList{"Titel\n\xC3\xA4\nK\xE4se"}
        << QStringList{QStringLiteral("\u00C3\u00A4"), QStringLiteral("K\u00E4se")} << IntList{};
    QTest::newRow("utf-8 with mark")
        << ByteArrayList{"\xEF\xBB\xBFTitel\nK\xC3\xA4se\ncheese"} << kaese << IntList{};
    QTest::newRow("utf-16 le") << ByteArrayList{utf16le(
        QStringLiteral("Titel\r\nK\u00E4se\r\ncheese\r\n"))}
                               << kaese << IntList{};
    QTest::newRow("utf-16 be") << ByteArrayList{QByteArray("\xFE\xFF")
                                                + encoded(QStringEncoder::Utf16BE,
                                                          "Titel\nK\u00E4se\ncheese")}
                               << kaese << IntList{};
    QTest::newRow("utf-32 le") << ByteArrayList{QByteArray("\xFF\xFE\0\0", 4)
                                                + encoded(QStringEncoder::Utf32LE,
                                                          "Titel\nK\u00E4se\ncheese")}
                               << kaese << IntList{};
    QTest::newRow("utf-16 holding utf-8 read as 8-bit")
        << ByteArrayList{utf16le(QStringLiteral("Titel\nK\u00C3\u00A4se\ncheese"))} << kaese
        << IntList{};
    QTest::newRow("utf-16 cut off in the last character")
        << ByteArrayList{utf16le("Titel\nHaus\nhouse").append('x')}
        << QStringList{"Haus", QStringLiteral("house\uFFFD")} << IntList{};
    QTest::newRow("rtf")
        << ByteArrayList{"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Titel\\par K\\'e4se\\par cheese\\par}"}
        << kaese << IntList{};
    QTest::newRow("cut-off rtf") << ByteArrayList{"{\\rtf1 Titel\\par Haus\\par house{\\b"} << haus
                                 << IntList{};
    QTest::newRow("odd file between good ones: only it is left out")
        << ByteArrayList{"T\nHaus\nhouse", "T\nA\nB\nC", "T\nK\xE4se\ncheese"} << haus + kaese
        << IntList{1};
    QTest::newRow("two odd files, two messages")
        << ByteArrayList{"T\nA\nB\nC", "T\nHaus\nhouse", "T\tx\nA\nB"} << haus << IntList{0, 2};
}

void TestDatenEinlesen::loading()
{
    QFETCH(ByteArrayList, files);
    QFETCH(QStringList, daten);
    QFETCH(IntList, oddFiles);

    QTemporaryDir dir;
    Eintragslisten listen;
    listen.Dateien = writeFiles(dir, files);
    RecordingMessageDialog dialog;
    DatenEinlesen(listen, dialog);

    QCOMPARE(listen.Daten, daten);
    QCOMPARE(listen.MaxAnz, daten.size());
    QStringList expectedMessages;
    for (int i : oddFiles)
        expectedMessages.append(oddMessage.arg(QDir::toNativeSeparators(listen.Dateien[i])));
    QCOMPARE(dialog.texts(), expectedMessages);
    for (const auto &m : dialog.messages) {
        QCOMPARE(m.icon, MsgIcon::Information);
        QCOMPARE(m.buttons, MsgButtons::Ok);
    }
}

void TestDatenEinlesen::resetsCountersAndLists()
{
    QTemporaryDir dir;
    Eintragslisten listen;
    listen.Daten = QStringList{"alt", "old"};
    listen.FalschDaten = QStringList{"alt", "old"};
    listen.MerkZeile = listen.RichtigAnz = listen.FalschAnz = listen.MaxAnz = 7;
    RecordingMessageDialog dialog;

    DatenEinlesen(listen, dialog); // no files chosen
    QVERIFY(listen.Daten.isEmpty());
    QVERIFY(listen.FalschDaten.isEmpty());
    QCOMPARE(listen.MerkZeile, 0);
    QCOMPARE(listen.RichtigAnz, 0);
    QCOMPARE(listen.FalschAnz, 0);
    QCOMPARE(listen.MaxAnz, 0);

    listen.Dateien = writeFiles(dir, {"T\nHaus\nhouse"});
    listen.FalschDaten = QStringList{"alt", "old"};
    listen.RichtigAnz = 3;
    DatenEinlesen(listen, dialog);
    QCOMPARE(listen.Daten, (QStringList{"Haus", "house"}));
    QVERIFY(listen.FalschDaten.isEmpty());
    QCOMPARE(listen.RichtigAnz, 0);
    QCOMPARE(listen.MaxAnz, 2);
}

void TestDatenEinlesen::unreadableFileThrowsAndKeepsEarlierFiles()
{
    QTemporaryDir dir;
    Eintragslisten listen;
    listen.Dateien = writeFiles(dir, {"T\nHaus\nhouse", "T\nKatze\ncat"});
    RecordingMessageDialog dialog;

    for (const QString &unreadable : {dir.filePath("fehlt.dat"), dir.path()}) {
        listen.Dateien.insert(1, unreadable);
        listen.MaxAnz = 5;
        try {
            DatenEinlesen(listen, dialog);
            QFAIL("no exception");
        } catch (const FileError &error) {
            QVERIFY2(error.text.contains(QDir::toNativeSeparators(unreadable)),
                     qPrintable(error.text));
        }
        QCOMPARE(listen.Daten, (QStringList{"Haus", "house"}));
        QCOMPARE(listen.MaxAnz, 0);
        listen.Dateien.removeAt(1);
    }
    QVERIFY(dialog.messages.isEmpty());
}

// One line of 50 MB is a title and nothing else; this checks that such a file
// neither crashes nor takes anything from the file.
void TestDatenEinlesen::fiftyMegabyteLineIsOnlyATitle()
{
    QTemporaryDir dir;
    Eintragslisten listen;
    listen.Dateien = writeFiles(dir, {QByteArray(50 * 1024 * 1024, 'x'), "T\nHaus\nhouse"});
    RecordingMessageDialog dialog;
    DatenEinlesen(listen, dialog);
    QCOMPARE(listen.Daten, (QStringList{"Haus", "house"}));
    QVERIFY(dialog.messages.isEmpty());
}

void TestDatenEinlesen::longFilesKeepEveryLineAndBreak_data()
{
    QTest::addColumn<bool>("umlauts");
    QTest::addColumn<int>("encoding");
    QTest::newRow("ascii") << false << int(EightBit);
    QTest::newRow("utf-8") << true << int(Utf8);
    QTest::newRow("8-bit") << true << int(EightBit);
    QTest::newRow("utf-16 le") << true << int(Utf16);
}

// A long file is taken apart a piece at a time; whatever break or blank falls
// where a piece ends, the lines are those of the plain steps: reading, the
// file's blanks at the end dropped, TABs as breaks, recognising, the title
// dropped, every line trimmed.
void TestDatenEinlesen::longFilesKeepEveryLineAndBreak()
{
    QFETCH(bool, umlauts);
    QFETCH(int, encoding);
    const QStringList breaks{"\r\n", "\n", "\r", "\t", "\r\n\r\n", "\n\r", " \t ", "\r\r\n"};
    const QString word = umlauts ? QStringLiteral("K\u00E4se") : QStringLiteral("Kase");
    QString body;
    for (int i = 0; body.size() < 17 * 1024; ++i)
        body += word.repeated(1 + i % 5) + breaks[i % breaks.size()] + QString(i % 3, u' ');
    for (int shift = 0; shift < 160; ++shift) {
        const QString text = "Titel\n" + QString(shift, u'y') + body + " \r\n";
        const QByteArray bytes = encoding == Utf8 ? text.toUtf8()
            : encoding == EightBit                ? toSystemCodePage(text)
                                                  : utf16le(text);
        QString read = trimmedBlanksRight(textOfFileBytes(bytes));
        read.replace(u'\t', QStringLiteral("\r\n"));
        QStringList expected = splitLines(Utf8Erkennen(splitLines(read).join("\r\n")));
        expected.removeFirst();
        for (QString &line : expected)
            line = trimmedBlanks(line);
        QCOMPARE(entryLinesOfFileBytes(bytes), expected);
    }
}

void TestDatenEinlesen::binaryGarbageLoadsWithoutHarm_data()
{
    QTest::addColumn<QByteArray>("mark");
    QTest::newRow("none") << QByteArray();
    QTest::newRow("utf-8") << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE");
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF");
    QTest::newRow("utf-32 le") << QByteArray("\xFF\xFE\0\0", 4);
    QTest::newRow("utf-32 be") << QByteArray("\0\0\xFE\xFF", 4);
    QTest::newRow("rtf") << QByteArray("{\\rtf1");
}

// Whatever the bytes, loading ends with whole entries and no crash.
void TestDatenEinlesen::binaryGarbageLoadsWithoutHarm()
{
    QFETCH(QByteArray, mark);
    QRandomGenerator random(4711);
    QTemporaryDir dir;
    RecordingMessageDialog dialog;
    for (int round = 0; round < 20; ++round) {
        QByteArray bytes = mark;
        const int size = int(random.bounded(1, 4096));
        for (int i = 0; i < size; ++i)
            bytes.append(char(random.bounded(256)));
        Eintragslisten listen;
        listen.Dateien = writeFiles(dir, {bytes});
        DatenEinlesen(listen, dialog);
        QCOMPARE(listen.Daten.size() % 2, 0);
        QCOMPARE(listen.MaxAnz, listen.Daten.size());
    }
}

QTEST_GUILESS_MAIN(TestDatenEinlesen)
#include "tst_DatenEinlesen.moc"
