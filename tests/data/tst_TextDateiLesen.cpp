#include "base/FileError.h"
#include "data/text/Lines.h"
#include "data/text/RecognisedText.h"
#include "data/text/SystemCodePage.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/TextDateiSchreiben.h"
#include "data/text/Utf8Erkennen.h"

#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestTextDateiLesen : public QObject
{
    Q_OBJECT

private slots:
    void kindOfBytes_data();
    void kindOfBytes();
    void kindOfUnreadableFile();
    void decoding_data();
    void decoding();
    void utf8Erkennen_data();
    void utf8Erkennen();
    void recognisedTextIsReadingThenRecognising_data();
    void recognisedTextIsReadingThenRecognising();
    void faultlessDecodingPassesTheTest();
    void codePageRoundTripsEveryByte();
    void codePageReplacesLackingCharacters();
    void readingAFileThatCannotBeReadThrows();
    void writingStoresUtf16WithMarkAndCrLf();
    void writingIntoAMissingFolderThrows();
    void writingThatFailsHalfWayKeepsTheOldFile();
};

void TestTextDateiLesen::kindOfBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("empty") << QByteArray() << int(TextKind::EightBit);
    QTest::newRow("ascii") << QByteArray("Titel") << int(TextKind::EightBit);
    QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBFx") << int(TextKind::Utf8Mark);
    QTest::newRow("utf-8 mark cut off") << QByteArray("\xEF\xBB") << int(TextKind::EightBit);
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE") << int(TextKind::ByteOrderMark);
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFFx") << int(TextKind::ByteOrderMark);
    QTest::newRow("utf-32 le") << QByteArray("\xFF\xFE\0\0", 4) << int(TextKind::ByteOrderMark);
    QTest::newRow("utf-32 be") << QByteArray("\0\0\xFE\xFF", 4) << int(TextKind::ByteOrderMark);
    QTest::newRow("utf-32 be cut off") << QByteArray("\0\0\xFE", 3) << int(TextKind::EightBit);
    QTest::newRow("rtf") << QByteArray("{\\rtf1") << int(TextKind::Rtf);
    QTest::newRow("rtf header only") << QByteArray("{\\r") << int(TextKind::Rtf);
    QTest::newRow("capital R is no rtf") << QByteArray("{\\Rtf1") << int(TextKind::EightBit);
    QTest::newRow("lone 0xFF") << QByteArray("\xFF") << int(TextKind::EightBit);
}

void TestTextDateiLesen::kindOfBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QCOMPARE(textKindOf(bytes), kind);

    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    writeTestFile(path, bytes);
    QCOMPARE(TextDateiArt(path), kind);
}

void TestTextDateiLesen::kindOfUnreadableFile()
{
    QTemporaryDir dir;
    QCOMPARE(TextDateiArt(dir.filePath("missing.dat")), int(TextKind::Unreadable));
    QCOMPARE(TextDateiArt(dir.path()), int(TextKind::Unreadable));
}

void TestTextDateiLesen::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString kaese = QStringLiteral("K\u00E4se\r\ncheese\r\n");
    QTest::newRow("empty file") << QByteArray() << QString();
    QTest::newRow("ascii without final break")
        << QByteArray("a\r\nb") << QStringLiteral("a\r\nb\r\n");
    QTest::newRow("lone CR and LF")
        << QByteArray("a\rb\nc\r\n\r\nd\n") << QStringLiteral("a\r\nb\r\nc\r\n\r\nd\r\n");
    QTest::newRow("only a line break") << QByteArray("\n") << QStringLiteral("\r\n");
    QTest::newRow("8-bit") << QByteArray("K\xE4se\ncheese") << kaese;
    // Reading alone does not recognise UTF-8: that is Utf8Erkennen's step.
    QTest::newRow("utf-8 without mark read as 8-bit")
        << QByteArray("K\xC3\xA4se") << QStringLiteral("K\u00C3\u00A4se\r\n");
    QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBFK\xC3\xA4se\ncheese") << kaese;
    QTest::newRow("utf-8 second mark is text")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QStringLiteral("\uFEFFx\r\n");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE")
            + encoded(QStringEncoder::Utf16LE, "K\u00E4se\ncheese")
                               << kaese;
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF")
            + encoded(QStringEncoder::Utf16BE, "K\u00E4se\rcheese")
                               << kaese;
    QTest::newRow("utf-32 le") << QByteArray("\xFF\xFE\0\0", 4)
            + encoded(QStringEncoder::Utf32LE, "K\u00E4se\ncheese")
                               << kaese;
    QTest::newRow("utf-32 be") << QByteArray("\0\0\xFE\xFF", 4)
            + encoded(QStringEncoder::Utf32BE, "K\u00E4se\ncheese")
                               << kaese;
    QTest::newRow("utf-32 beyond the basic plane")
        << QByteArray("\xFF\xFE\0\0\x00\xF6\x01\x00", 8) << QStringLiteral("\U0001F600\r\n");
    QTest::newRow("utf-16 odd byte count") << QByteArray("\xFF\xFE"
                                                         "a\0\n\0b",
                                                         7)
                                           << QStringLiteral("a\r\n\uFFFD\r\n");
    QTest::newRow("utf-16 lone surrogates kept")
        << QByteArray("\xFF\xFE\x00\xD8\n\0\x00\xDC", 8)
        << QString(QChar(0xD800)) + QStringLiteral("\r\n") + QChar(0xDC00) + QStringLiteral("\r\n");
    QTest::newRow("rtf paragraphs")
        << QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Titel\\par Haus\\par house\\par}")
        << QStringLiteral("Titel\r\nHaus\r\nhouse\r\n");
}

void TestTextDateiLesen::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(textOfFileBytes(bytes), text);

    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    writeTestFile(path, bytes);
    QCOMPARE(TextDateiLesen(path), text);
}

void TestTextDateiLesen::utf8Erkennen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("ascii") << QStringLiteral("Haus\r\nhouse") << QStringLiteral("Haus\r\nhouse");
    QTest::newRow("two-byte") << QStringLiteral("K\u00C3\u00A4se") << QStringLiteral("K\u00E4se");
    QTest::newRow("three-byte") << QStringLiteral("\u00E2\u201A\u00AC") << QStringLiteral("\u20AC");
    QTest::newRow("four-byte") << QStringLiteral("\u00F0\u0178\u02DC\u20AC")
                               << QStringLiteral("\U0001F600");
    QTest::newRow("8-bit umlaut") << QStringLiteral("K\u00E4se") << QStringLiteral("K\u00E4se");
    QTest::newRow("cut off at the end")
        << QStringLiteral("Haus \u00C3") << QStringLiteral("Haus \u00C3");
    QTest::newRow("valid then invalid")
        << QStringLiteral("\u00C3\u00A4 \u00E4") << QStringLiteral("\u00C3\u00A4 \u00E4");
    QTest::newRow("C0 overlong") << QStringLiteral("\u00C0\u20AC")
                                 << QStringLiteral("\u00C0\u20AC");
    QTest::newRow("C1 overlong") << QStringLiteral("\u00C1\u00BF")
                                 << QStringLiteral("\u00C1\u00BF");
    QTest::newRow("E0 overlong") << QStringLiteral("\u00E0\u20AC\u20AC")
                                 << QStringLiteral("\u00E0\u20AC\u20AC");
    QTest::newRow("F0 overlong") << QStringLiteral("\u00F0\u20AC\u20AC\u20AC")
                                 << QStringLiteral("\u00F0\u20AC\u20AC\u20AC");
    QTest::newRow("F4 beyond Unicode")
        << QStringLiteral("\u00F4\u0090\u20AC\u20AC") << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
    QTest::newRow("F5") << QStringLiteral("\u00F5\u20AC\u20AC\u20AC")
                        << QStringLiteral("\u00F5\u20AC\u20AC\u20AC");
    // The byte table lets encoded surrogates through; the decoder marks them.
    QTest::newRow("encoded surrogate")
        << QStringLiteral("\u00ED\u00A0\u20ACx") << QStringLiteral("\uFFFD\uFFFD\uFFFDx");
    // A character outside the code page cannot come from 8-bit reading: such a
    // text is kept, never turned into "?".
    QTest::newRow("character outside the code page")
        << QStringLiteral("K\u00C3\u00A4se \u0436") << QStringLiteral("K\u00C3\u00A4se \u0436");
}

void TestTextDateiLesen::utf8Erkennen()
{
    QFETCH(QString, text);
    QFETCH(QString, result);
    QCOMPARE(Utf8Erkennen(text), result);
}

void TestTextDateiLesen::recognisedTextIsReadingThenRecognising_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8 without mark") << QByteArray("T\nK\xC3\xA4se\r\ncheese\r");
    QTest::newRow("8-bit") << QByteArray("T\nK\xE4se\r\ncheese\n");
    QTest::newRow("8-bit control range") << QByteArray("\x80\x81\x8D\x8F\x90\x9D\x9F");
    QTest::newRow("ascii") << QByteArray("T\nHaus\nhouse");
    QTest::newRow("utf-16 holding utf-8 read as 8-bit")
        << QByteArray("\xFF\xFE") + encoded(QStringEncoder::Utf16LE, "K\u00C3\u00A4se");
    QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE")
            + encoded(QStringEncoder::Utf16LE, "K\u00E4se\r\n\u0436");
    QTest::newRow("utf-16 le cut off") << QByteArray("\xFF\xFE"
                                                     "a\0b",
                                                     5);
    QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF")
            + encoded(QStringEncoder::Utf16BE, "K\u00C3\u00A4se");
    QTest::newRow("utf-32 le") << QByteArray("\xFF\xFE\0\0", 4)
            + encoded(QStringEncoder::Utf32LE, "K\u00E4se");
    QTest::newRow("rtf") << QByteArray("{\\rtf1 K\\'c3\\'a4se\\par x}");
    QTest::newRow("utf-8 with its own replacement mark") << QByteArray("T\nK\xEF\xBF\xBDse");
    QTest::newRow("utf-8 with an encoded surrogate") << QByteArray("T\n\xED\xA0\x80x\xC3\xA4");
    QTest::newRow("8-bit that starts like utf-8") << QByteArray("T\n\xC3\xA4\nK\xE4se");
    QTest::newRow("utf-8 cut off at the end") << QByteArray("T\nK\xC3\xA4se \xC3");
}

// The forms that spare the loader a decoded copy must give the text that
// reading and then recognising gives.
void TestTextDateiLesen::recognisedTextIsReadingThenRecognising()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(splitLines(RecognisedText(bytes).whole()),
             splitLines(Utf8Erkennen(textOfFileBytes(bytes))));
}

// The loader lets Qt's decoder judge UTF-8 first: whatever it finds faultless
// must pass the table and decode the same, for every short sequence of the
// bytes where the forms change.
void TestTextDateiLesen::faultlessDecodingPassesTheTest()
{
    const QByteArray edges("\x00\x0A\x41\x7F\x80\x8F\x90\x9F\xA0\xBB\xBD\xBF\xC0\xC1\xC2\xDF"
                           "\xE0\xE1\xED\xEF\xF0\xF3\xF4\xF5\xFF",
                           25);
    QByteArray bytes;
    const auto check = [&bytes] {
        const std::optional<QString> faultless = decodeFaultlessUtf8(bytes);
        return !faultless
            || (utf8Test(bytes) != Utf8TestResult::NotUtf8 && *faultless == decodeUtf8(bytes));
    };
    for (int length = 1; length <= 4; ++length) {
        qsizetype combinations = 1;
        for (int i = 0; i < length; ++i)
            combinations *= edges.size();
        bytes.resize(length);
        for (qsizetype n = 0; n < combinations; ++n) {
            qsizetype rest = n;
            for (int i = 0; i < length; ++i, rest /= edges.size())
                bytes[i] = edges[rest % edges.size()];
            if (!check())
                QFAIL(qPrintable("differs for " + bytes.toHex(' ')));
        }
    }
}

void TestTextDateiLesen::codePageRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = fromSystemCodePage(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toSystemCodePage(text), all);
    QCOMPARE(text.at(0x80), QChar(0x20AC));
    QCOMPARE(text.at(0xE4), QChar(0x00E4));
    for (int unassigned : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QCOMPARE(text.at(unassigned).unicode(), char16_t(unassigned));
}

void TestTextDateiLesen::codePageReplacesLackingCharacters()
{
    QCOMPARE(toSystemCodePage(QStringLiteral("a\u0436\u0080\U0001F600b")),
             QByteArray("a???"
                        "?b"));
    QCOMPARE(systemCodePageByte(QChar(0x0436)), -1);
    QCOMPARE(systemCodePageByte(QChar(0x20AC)), 0x80);
}

void TestTextDateiLesen::readingAFileThatCannotBeReadThrows()
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath("missing.dat"), dir.path()}) {
        try {
            TextDateiLesen(path);
            QFAIL("no exception");
        } catch (const FileError &error) {
            QVERIFY2(error.text.contains(QDir::toNativeSeparators(path)), qPrintable(error.text));
        }
    }
}

void TestTextDateiLesen::writingStoresUtf16WithMarkAndCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("neu.dat");
    writeTestFile(path, "old content that is longer than the new one");
    const QString text = QStringLiteral("Titel\nK\u00E4se\rcheese\r\n\U0001F600");
    TextDateiSchreiben(path, text);
    QCOMPARE(
        readTestFile(path),
        QByteArray("\xFF\xFE")
            + encoded(QStringEncoder::Utf16LE, "Titel\r\nK\u00E4se\r\ncheese\r\n\U0001F600\r\n"));
    QCOMPARE(TextDateiLesen(path),
             QStringLiteral("Titel\r\nK\u00E4se\r\ncheese\r\n\U0001F600\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"neu.dat"});
}

void TestTextDateiLesen::writingIntoAMissingFolderThrows()
{
    QTemporaryDir dir;
    QVERIFY_THROWS_EXCEPTION(FileError,
                             TextDateiSchreiben(dir.filePath("no/such/folder.dat"), "x"));
}

void TestTextDateiLesen::writingThatFailsHalfWayKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("liste.dat");
    const QByteArray old =
        QByteArray("\xFF\xFE") + encoded(QStringEncoder::Utf16LE, "Alt\r\nHaus\r\nhouse\r\n");
    writeTestFile(path, old);

    const QString big = QString(u'x').repeated(100000);
    const int result = runWithFileSizeLimit(4096, [&] {
        try {
            TextDateiSchreiben(path, big);
        } catch (const FileError &) {
            return 0;
        }
        return 1;
    });
    QCOMPARE(result, 0); // the failure was reported
    QCOMPARE(readTestFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"liste.dat"});
}

QTEST_GUILESS_MAIN(TestTextDateiLesen)
#include "tst_TextDateiLesen.moc"
