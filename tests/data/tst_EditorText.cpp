// The entry editor's text rules: what it shows of a file, which lines it
// saves, and how new entries are merged into an existing file.

#include "data/vocab/EditorText.h"

#include <QtTest>

class TestEditorText : public QObject
{
    Q_OBJECT

private slots:
    void fieldsOfAFile_data();
    void fieldsOfAFile();
    void checkedLines_data();
    void checkedLines();
    void mergingEntries_data();
    void mergingEntries();
};

void TestEditorText::fieldsOfAFile_data()
{
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<bool>("hasTitle");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<QString>("eintraege");

    QTest::newRow("title and entries") << "Tiere\r\nHund\r\ndog\r\n"
                                       << true << "Tiere"
                                       << "Hund\r\ndog\r\n";
    QTest::newRow("blanks around lines, blank line kept between entries")
        << "  Tiere \r\n Hund\r\ndog \r\n\r\n  \r\nKatze\r\ncat\r\n\r\n"
        << true << "Tiere"
        << "Hund\r\ndog\r\n\r\n\r\nKatze\r\ncat\r\n";
    QTest::newRow("tab-separated pairs, one field per line")
        << "Tiere\r\nHund\tdog\r\nKatze\tcat\r\n"
        << true << "Tiere"
        << "Hund\r\ndog\r\nKatze\r\ncat\r\n";
    QTest::newRow("lone CR and LF") << "Tiere\rHund\ndog" << true << "Tiere"
                                    << "Hund\r\ndog\r\n";
    QTest::newRow("title only") << "Tiere\r\n"
                                << true << "Tiere"
                                << "";
    QTest::newRow("title and blank lines") << "Tiere\r\n \r\n\t\r\n"
                                           << true << "Tiere"
                                           << "";
    QTest::newRow("empty file keeps the given title") << "" << false << ""
                                                      << "";
    QTest::newRow("UTF-8 read as 8-bit text")
        << QString::fromLatin1("Gem\xC3\xBC"
                               "se\r\nM\xC3\xB6hre\r\ncarrot\r\n")
        << true << QString::fromUtf8("Gemüse") << QString::fromUtf8("Möhre\r\ncarrot\r\n");
}

void TestEditorText::fieldsOfAFile()
{
    QFETCH(QString, fileText);
    QFETCH(bool, hasTitle);
    const EditorFields fields = EditorFieldsOfText(fileText);
    QCOMPARE(fields.titel.has_value(), hasTitle);
    if (hasTitle)
        QTEST(*fields.titel, "titel");
    QTEST(fields.eintraege, "eintraege");
}

void TestEditorText::checkedLines_data()
{
    QTest::addColumn<QString>("S");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blank lines and blanks around lines dropped")
        << "\r\n  Hund \r\n\r\n   \r\ndog\n\tKatze\rcat  \r\n\r\n"
        << "Hund\r\ndog\r\nKatze\r\ncat\r\n";
    QTest::newRow("nothing but blanks") << " \r\n\t\r\n"
                                        << "";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("a no-break space is text")
        << QString::fromUtf8("\u00A0\r\nx") << QString::fromUtf8("\u00A0\r\nx\r\n");
}

void TestEditorText::checkedLines()
{
    QFETCH(QString, S);
    QTEST(GetCheckZeilen(S), "expected");
}

void TestEditorText::mergingEntries_data()
{
    QTest::addColumn<QString>("fileText");
    QTest::addColumn<QString>("S");
    QTest::addColumn<QString>("merged");

    QTest::newRow("only the new pair is added, under the new title")
        << "Tiere alt\r\nHund\r\ndog\r\n"
        << "Tiere\r\nHund\r\nDOG\r\nKatze\r\ncat\r\n"
        << "Tiere\r\nHund\r\ndog\r\nKatze\r\ncat\r\n";
    QTest::newRow("a pair given twice is added once")
        << "Tiere\r\n"
        << "Tiere\r\nMaus\r\nmouse\r\nmaus\r\nMOUSE\r\n"
        << "Tiere\r\nMaus\r\nmouse\r\n";
    QTest::newRow("the file's blank lines stay, its lines trimmed")
        << "Tiere\r\n Hund \r\n\r\ndog\r\n"
        << "Tiere\r\nKatze\r\ncat\r\n"
        << "Tiere\r\nHund\r\n\r\ndog\r\nKatze\r\ncat\r\n";
    QTest::newRow("present across two entries counts as present")
        << "Tiere\r\nHund\r\ndog\r\nKatze\r\ncat\r\n"
        << "Tiere\r\ndog\r\nKatze\r\n"
        << "Tiere\r\nHund\r\ndog\r\nKatze\r\ncat\r\n";
    QTest::newRow("the title line is no question") << "Hund\r\nx\r\ny\r\n"
                                                   << "Neu\r\nHund\r\nx\r\n"
                                                   << "Neu\r\nx\r\ny\r\nHund\r\nx\r\n";
    QTest::newRow("an empty file gets the title and the entries") << ""
                                                                  << "Tiere\r\nHund\r\ndog\r\n"
                                                                  << "Tiere\r\nHund\r\ndog\r\n";
    QTest::newRow("an odd number of entry lines adds nothing") << "Alt\r\nHund\r\ndog\r\n"
                                                               << "Neu\r\nKatze\r\ncat\r\nMaus\r\n"
                                                               << "Neu\r\nHund\r\ndog\r\n";
    QTest::newRow("tab-separated file") << "Tiere\r\nHund\tdog\r\n"
                                        << "Tiere\r\nHund\r\ndog\r\n"
                                        << "Tiere\r\nHund\r\ndog\r\n";
    QTest::newRow("\"ß\" is not \"SS\"") << "W\r\nStraße\r\nstreet\r\n"
                                         << "W\r\nSTRASSE\r\nstreet\r\n"
                                         << "W\r\nStraße\r\nstreet\r\nSTRASSE\r\nstreet\r\n";
}

void TestEditorText::mergingEntries()
{
    QFETCH(QString, fileText);
    QFETCH(QString, S);
    QTEST(DatenEinfuegen(fileText, S), "merged");
}

QTEST_GUILESS_MAIN(TestEditorText)

#include "tst_EditorText.moc"
