#include "base/TrimBlanks.h"
#include "data/text/Lines.h"

#include <QTest>

class TestTextHelpers : public QObject
{
    Q_OBJECT

private slots:
    void trimming_data();
    void trimming();
    void lines_data();
    void lines();
};

void TestTextHelpers::trimming_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("both");
    QTest::addColumn<QString>("right");
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("only blanks") << QStringLiteral(" \t\r\n\x01\x1f ") << ""
                                 << "";
    QTest::newRow("both ends") << QStringLiteral("\t Haus \x01") << "Haus"
                               << QStringLiteral("\t Haus");
    QTest::newRow("inside stays") << QStringLiteral(" a \t b ") << QStringLiteral("a \t b")
                                  << QStringLiteral(" a \t b");
    QTest::newRow("NUL is a blank")
        << QString(QChar(0)) + "x" + QChar(0) << "x" << QString(QChar(0)) + "x";
    // Unicode spaces above code 32 are text.
    QTest::newRow("no-break space stays")
        << QStringLiteral("\u00A0x\u3000") << QStringLiteral("\u00A0x\u3000")
        << QStringLiteral("\u00A0x\u3000");
    QTest::newRow("DEL stays") << QStringLiteral("\x7f") << QStringLiteral("\x7f")
                               << QStringLiteral("\x7f");
}

void TestTextHelpers::trimming()
{
    QFETCH(QString, text);
    QFETCH(QString, both);
    QFETCH(QString, right);
    QCOMPARE(trimmedBlanks(text), both);
    QCOMPARE(trimmedBlanksRight(text), right);
    QCOMPARE(trimBlanks(text).toString(), both);
}

void TestTextHelpers::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one line") << "a" << QStringList{"a"};
    QTest::newRow("final break adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("only a break") << "\n" << QStringList{""};
    QTest::newRow("all kinds of breaks") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty lines") << "\r\n\r\nx\n\n" << QStringList{"", "", "x", ""};
    QTest::newRow("tab is no break here") << "a\tb" << QStringList{"a\tb"};
}

void TestTextHelpers::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
    QCOMPARE(linesWithCrLf(text), lines.isEmpty() ? QString() : lines.join("\r\n") + "\r\n");
}

QTEST_GUILESS_MAIN(TestTextHelpers)
#include "tst_TextHelpers.moc"
