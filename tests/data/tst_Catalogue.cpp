#include "base/FileError.h"
#include "base/TrimBlanks.h"
#include "data/folders/Catalogue.h"
#include "data/text/Lines.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"
#include "data/vocab/TitelLesen.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

// The title exactly as the rule states it, on the whole text.
QString titleByTheRule(const QString &path)
{
    const QStringList read = splitLines(TextDateiLesen(path));
    const QStringList lines = splitLines(Utf8Erkennen(read.join(QStringLiteral("\r\n"))));
    const QString title = lines.isEmpty() ? QString() : trimmedBlanks(lines.first());
    return title.isEmpty() ? QStringLiteral("(Kein Titel)") : title;
}

QByteArray utf16le(const QString &text)
{
    return "\xFF\xFE" + encoded(QStringEncoder::Utf16LE, text);
}

// Random file bytes built to reach the corners of the title rule: every
// kind of mark, titles of ASCII, 8-bit and UTF-8 bytes (or UTF-16 units),
// line breaks of every kind, first lines that end right at, before and after
// the points where a head is read in pieces, and bodies that are or are not
// valid UTF-8.
QByteArray randomFileBytes(QRandomGenerator &random)
{
    static const QList<QByteArray> marks{
        "",        "", "", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF", QByteArray("\xFF\xFE\0\0", 4),
        "{\\rtf1 "};
    // The first five pieces are ASCII.
    static const QList<QByteArray> bytePieces{"a",
                                              "Z",
                                              " ",
                                              "\t",
                                              QByteArray(1, '\0'),
                                              "\xC3\xA4",
                                              "\xE4",
                                              "\xE2\x82\xAC",
                                              "\x80",
                                              "\xC3",
                                              "\xED\xA0\x80",
                                              "\xF0\x9F\x98\x80"};
    static const QList<QString> unitPieces{"a",
                                           "Z",
                                           " ",
                                           "\t",
                                           QString(QChar(0)),
                                           QStringLiteral("\u00E4"),
                                           QStringLiteral("\u00C3\u00A4"),
                                           QStringLiteral("\u20AC"),
                                           QStringLiteral("\u03A9"),
                                           QString(QChar(0xD800)),
                                           QStringLiteral("\u00C3")};
    static const QList<QByteArray> breaks{"\r\n", "\r", "\n", "\n\r"};
    static const QList<int> lengths{0,    1,    3,    4,    2040, 2046,  2047,
                                    4090, 4094, 4095, 4096, 4097, 12287, 12290};

    const QByteArray mark = marks[random.bounded(int(marks.size()))];
    const bool utf16 = mark == "\xFF\xFE" || mark == "\xFE\xFF";
    const int unitWidth = utf16 ? 2 : 1;
    const int pieceCount = int(utf16 ? unitPieces.size() : bytePieces.size());
    QString units;
    QByteArray bytes;
    const auto size = [&] { return mark.size() + bytes.size() + units.size() * unitWidth; };
    const auto append = [&](int piece) {
        if (utf16)
            units += unitPieces[piece];
        else
            bytes += bytePieces[piece];
    };
    const auto appendBreak = [&] {
        const QByteArray lineBreak = breaks[random.bounded(int(breaks.size()))];
        if (utf16)
            units += QString::fromLatin1(lineBreak);
        else
            bytes += lineBreak;
    };

    const bool asciiTitle = random.bounded(2) == 0;
    const int headLength = lengths[random.bounded(int(lengths.size()))];
    while (size() < headLength)
        append(random.bounded(asciiTitle ? 5 : pieceCount));
    if (random.bounded(4) != 0)
        appendBreak();
    const int bodyPieces = random.bounded(40);
    const bool asciiBody = random.bounded(2) == 0;
    for (int i = 0; i < bodyPieces; ++i) {
        append(random.bounded(asciiBody ? 5 : pieceCount));
        if (random.bounded(5) == 0)
            appendBreak();
    }
    if (utf16)
        bytes =
            encoded(mark == "\xFF\xFE" ? QStringEncoder::Utf16LE : QStringEncoder::Utf16BE, units);
    bytes.prepend(mark);
    if (random.bounded(6) == 0)
        bytes.chop(1); // a cut-off last unit
    return bytes;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void patternTakesThreeCharacterExtensionsEndingInT_data();
    void patternTakesThreeCharacterExtensionsEndingInT();
    void listingTakesRegularFilesOnly();
    void listingIsSortedWithoutRegardToCase();
    void missingFolderListsNothing();
    void titles_data();
    void titles();
    void titleIsTheRuleOnTheWholeText();
    void catalogueRowsCarryPathNameAndTitle();
    void unreadableFileThrowsAndKeepsTheRowsBefore();

private:
    QString path(const QString &name) const { return dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestCatalogue::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestCatalogue::patternTakesThreeCharacterExtensionsEndingInT_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("dat") << "Englisch.dat" << true;
    QTest::newRow("upper TXT") << "liste.TXT" << true;
    QTest::newRow("two dots") << "a.b.dat" << true;
    QTest::newRow("any two before t") << "x.1-t" << true;
    QTest::newRow("only an extension") << ".dat" << true;
    QTest::newRow("four characters") << "notizen.text" << false;
    QTest::newRow("two characters") << "x.dt" << false;
    QTest::newRow("dat and more") << "y.datx" << false;
    QTest::newRow("not ending in t") << "z.dar" << false;
    QTest::newRow("no dot") << "datt" << false;
    QTest::newRow("last dot counts") << "a.dat.bak" << false;
}

void TestCatalogue::patternTakesThreeCharacterExtensionsEndingInT()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    QCOMPARE(isVocabularyFileName(name), listed);
}

void TestCatalogue::listingTakesRegularFilesOnly()
{
    for (const char *name : {"Englisch.dat", "liste.TXT", "a.b.dat", "notizen.text", "x.dt",
                             "y.datx", ".versteckt.dat", "schreibgeschuetzt.dat"})
        writeTestFile(path(name), "Titel\r\n");
    QVERIFY(QFile::setPermissions(path("schreibgeschuetzt.dat"), QFileDevice::ReadOwner));
    QVERIFY(QDir(dir->path()).mkdir("z.dat"));
    QVERIFY(QFile::link(path("z.dat"), path("ordnerlink.dat")));
    QVERIFY(QFile::link(path("Englisch.dat"), path("dateilink.dat")));
    QVERIFY(QFile::link(path("fehlt.dat"), path("toterlink.dat")));
    // Reading a pipe would wait for a writer for ever.
    QCOMPARE(::mkfifo(QFile::encodeName(path("rohr.dat")).constData(), 0600), 0);

    QStringList names = vocabularyFileNames(dir->path() + u'/');
    names.sort();
    QCOMPARE(names,
             QStringList({".versteckt.dat", "Englisch.dat", "a.b.dat", "dateilink.dat", "liste.TXT",
                          "schreibgeschuetzt.dat"}));
}

void TestCatalogue::listingIsSortedWithoutRegardToCase()
{
    for (const char *name : {"C.dat", "b.dat", "A.dat", "a.txt", "B.txt"})
        writeTestFile(path(name), "Titel\r\n");
    const QString folder = dir->path() + u'/';
    QCOMPARE(CatalogueFiles(folder),
             QStringList({folder + "A.dat", folder + "a.txt", folder + "b.dat", folder + "B.txt",
                          folder + "C.dat"}));
}

void TestCatalogue::missingFolderListsNothing()
{
    QVERIFY(CatalogueFiles(path("fehlt/")).isEmpty());
}

void TestCatalogue::titles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    const QString none = QStringLiteral("(Kein Titel)");
    QTest::newRow("empty file") << QByteArray() << none;
    QTest::newRow("blank first line") << QByteArray("   \r\nHaus\r\nhouse\r\n") << none;
    QTest::newRow("only a line break") << QByteArray("\r\nTitel\r\n") << none;
    QTest::newRow("blanks around")
        << QByteArray("  Englisch 1  \r\nHaus\r\nhouse\r\n") << "Englisch 1";
    QTest::newRow("tab inside stays")
        << QByteArray("Deutsch\tEnglisch\r\nHaus\r\nhouse") << "Deutsch\tEnglisch";
    QTest::newRow("tabs around go") << QByteArray("\tTitel\t\nx") << "Titel";
    QTest::newRow("lone CR") << QByteArray("Titel\rHaus") << "Titel";
    QTest::newRow("no line break") << QByteArray("Titel") << "Titel";
    QTest::newRow("8-bit") << QByteArray("K\xE4se\r\n") << QStringLiteral("K\u00E4se");
    QTest::newRow("UTF-8 without mark")
        << QByteArray("K\xC3\xA4se\r\nM\xC3\xBChle\r\n") << QStringLiteral("K\u00E4se");
    // The title's decoding follows the whole text: a later byte that is no
    // UTF-8 makes the whole file 8-bit text.
    QTest::newRow("UTF-8 title, later 8-bit byte")
        << QByteArray("K\xC3\xA4se\r\nM\xFChle\r\n") << QStringLiteral("K\u00C3\u00A4se");
    QTest::newRow("ASCII title, later 8-bit byte")
        << QByteArray("Kaese\r\nM\xFChle\r\n") << "Kaese";
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF"
                                              "K\xC3\xA4se\r\n")
                                << QStringLiteral("K\u00E4se");
    QTest::newRow("UTF-16") << utf16le(QStringLiteral("  K\u00E4se \r\nHaus\r\n"))
                            << QStringLiteral("K\u00E4se");
    QTest::newRow("UTF-32") << QByteArray("\xFF\xFE\0\0T\0\0\0i\0\0\0\r\0\0\0", 16) << "Ti";
    QTest::newRow("UTF-16 big-endian") << QByteArray("\xFE\xFF\0T\0i\0\r", 9) << "Ti";
    // UTF-8 that was once read as 8-bit text and saved as UTF-16.
    QTest::newRow("UTF-16 holding misread UTF-8")
        << utf16le(QStringLiteral("K\u00C3\u00A4se\r\nHaus\r\n")) << QStringLiteral("K\u00E4se");
    QTest::newRow("UTF-16 misread UTF-8, later foreign character")
        << utf16le(QStringLiteral("K\u00C3\u00A4se\r\n\u03A9\r\n"))
        << QStringLiteral("K\u00C3\u00A4se");
    QTest::newRow("UTF-16 cut off in the title") << QByteArray("\xFF\xFE"
                                                               "A\0B",
                                                               5)
                                                 << QStringLiteral("A\uFFFD");
    QTest::newRow("RTF") << QByteArray(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Titel\\par Haus\\par house}")
                         << "Titel";
    const QByteArray longLine(9000, 'x');
    QTest::newRow("first line longer than a head")
        << longLine + "\r\ny" << QString::fromLatin1(longLine);
    QTest::newRow("CR LF across the first piece")
        << QByteArray(4095, 'x') + "\r\nHaus" << QString(4095, u'x');
}

void TestCatalogue::titles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    writeTestFile(path("t.dat"), bytes);
    QCOMPARE(TitelLesen(path("t.dat")), title);
    QCOMPARE(titleOfFileBytes(bytes), title);
    QCOMPARE(titleByTheRule(path("t.dat")), title);
}

// The title reading takes shortcuts; on any bytes it must give what the
// rule gives on the whole text.
void TestCatalogue::titleIsTheRuleOnTheWholeText()
{
    QRandomGenerator random(20240611);
    for (int i = 0; i < 600; ++i) {
        const QByteArray bytes = randomFileBytes(random);
        writeTestFile(path("r.dat"), bytes);
        const QString expected = titleByTheRule(path("r.dat"));
        const QString fromFile = TitelLesen(path("r.dat"));
        const QString fromBytes = titleOfFileBytes(bytes);
        if (fromFile != expected || fromBytes != expected)
            QFAIL(qPrintable(
                QStringLiteral("case %1, bytes %2: expected \"%3\", file \"%4\", bytes \"%5\"")
                    .arg(i)
                    .arg(QString::fromLatin1(bytes.left(60).toHex(' ')), expected.left(40),
                         fromFile.left(40), fromBytes.left(40))));
    }
}

void TestCatalogue::catalogueRowsCarryPathNameAndTitle()
{
    writeTestFile(path("b.dat"), "Tiere\r\nHund\r\ndog\r\n");
    writeTestFile(path("A.txt"), utf16le(QStringLiteral("Gem\u00FCse\r\n")));
    QList<CatalogueRow> rows;
    const QString folder = dir->path() + u'/';
    ReadCatalogue(folder, rows);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].pfad, folder + "A.txt");
    QCOMPARE(rows[0].name, QStringLiteral("A.txt"));
    QCOMPARE(rows[0].titel, QStringLiteral("Gem\u00FCse"));
    QCOMPARE(rows[1].pfad, folder + "b.dat");
    QCOMPARE(rows[1].name, QStringLiteral("b.dat"));
    QCOMPARE(rows[1].titel, QStringLiteral("Tiere"));
}

void TestCatalogue::unreadableFileThrowsAndKeepsTheRowsBefore()
{
    writeTestFile(path("a.dat"), "Erste\r\n");
    writeTestFile(path("c.dat"), "Dritte\r\n");
    // A regular file that opens but cannot be read, even by root: the
    // reading process's memory at address 0.
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path("b.dat")));
    QList<CatalogueRow> rows;
    try {
        ReadCatalogue(dir->path() + u'/', rows);
        QFAIL("no error");
    } catch (const FileError &error) {
        QVERIFY2(error.text.contains(QDir::toNativeSeparators(path("b.dat"))),
                 qPrintable(error.text));
    }
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].titel, QStringLiteral("Erste"));

    QVERIFY_THROWS_EXCEPTION(FileError, TitelLesen(path("fehlt.dat")));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_Catalogue.moc"
