#include "data/text/RtfText.h"

#include <QTest>

class TestRtfText : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void deepNestingNeitherRecursesNorKeepsGrowing();
    void everyCutOffPrefixIsRead();
};

namespace {
const QByteArray header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1\\pard\\f0\\fs24 ";
}

void TestRtfText::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraphs") << header + "Titel\\par\r\nHaus\\par\r\nhouse\\par\r\n}"
                                << QStringLiteral("Titel\r\nHaus\r\nhouse\r\n");
    QTest::newRow("line and tab") << header + "Haus\\tab house\\line Katze}"
                                  << QStringLiteral("Haus\thouse\r\nKatze");
    QTest::newRow("hex escape") << header + "K\\'e4se}" << QStringLiteral("K\u00E4se");
    QTest::newRow("hex escape of the control range")
        << header + "\\'80\\'9f}" << QStringLiteral("\u20AC\u0178");
    QTest::newRow("unicode with fallback") << header + "K\\u228?se}" << QStringLiteral("K\u00E4se");
    QTest::newRow("unicode with hex fallback")
        << header + "K\\u228\\'e4se}" << QStringLiteral("K\u00E4se");
    QTest::newRow("negative unicode") << header + "\\u-3913?}" << QStringLiteral("\uF0B7");
    QTest::newRow("uc2") << QByteArray("{\\rtf1\\uc2 \\u1078??x}") << QStringLiteral("\u0436x");
    QTest::newRow("uc0") << QByteArray("{\\rtf1\\uc0 \\u1078x}") << QStringLiteral("\u0436x");
    QTest::newRow("uc belongs to its group")
        << QByteArray("{\\rtf1{\\uc2 a}\\u1078?x}") << QStringLiteral("a\u0436x");
    QTest::newRow("fallback ends with the group")
        << QByteArray("{\\rtf1{\\uc3\\u1078?}x}") << QStringLiteral("\u0436x");
    QTest::newRow("nested formatting groups")
        << header + "{\\b Haus}{\\i{\\ul house}}\\par}" << QStringLiteral("Haushouse\r\n");
    QTest::newRow("skipped destinations")
        << QByteArray("{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title Geheim}{\\author X}}"
                      "{\\*\\unknown{nested}text}{\\pict\\wmetafile8 0102ff}sichtbar}")
        << QStringLiteral("sichtbar");
    QTest::newRow("text after a skipped group is kept")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A;}}a{\\*\\x b}c}") << QStringLiteral("ac");
    QTest::newRow("escaped characters")
        << QByteArray("{\\rtf1 \\{a\\}\\\\b\\~c\\-d\\_e}") << QStringLiteral("{a}\\b\u00A0cd-e");
    QTest::newRow("escaped line break is a paragraph")
        << QByteArray("{\\rtf1 a\\\nb}") << QStringLiteral("a\r\nb");
    QTest::newRow("source line breaks are no text")
        << QByteArray("{\\rtf1 Ha\r\nus}") << QStringLiteral("Haus");
    QTest::newRow("binary data passed over")
        << QByteArray("{\\rtf1 a{\\*\\blob\\bin4 }{\\x}b}") << QStringLiteral("ab");
    QTest::newRow("binary length beyond the end")
        << QByteArray("{\\rtf1 a\\bin999999999 xyz") << QStringLiteral("a");
    QTest::newRow("huge parameter")
        << QByteArray("{\\rtf1\\fs99999999999999999999 a\\u99999999999?b}") << QStringLiteral("ab");
    QTest::newRow("special characters")
        << QByteArray("{\\rtf1\\ldblquote a\\rdblquote\\endash b\\emdash}")
        << QStringLiteral("\u201Ca\u201D\u2013b\u2014");
    QTest::newRow("cut off in a control word")
        << QByteArray("{\\rtf1 Haus\\pa") << QStringLiteral("Haus");
    QTest::newRow("cut off in a hex escape")
        << QByteArray("{\\rtf1 Haus\\'e") << QStringLiteral("Haus");
    QTest::newRow("cut off after a backslash")
        << QByteArray("{\\rtf1 Haus\\") << QStringLiteral("Haus");
    QTest::newRow("bad hex escape") << QByteArray("{\\rtf1 a\\'zzb}") << QStringLiteral("azzb");
    QTest::newRow("too many closing braces")
        << QByteArray("{\\rtf1 a}}}b}") << QStringLiteral("ab");
}

void TestRtfText::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(rtfToPlainText(rtf), text);
}

void TestRtfText::deepNestingNeitherRecursesNorKeepsGrowing()
{
    // Far deeper than any call stack would survive when read recursively.
    const int depth = 1'000'000;
    const QByteArray rtf =
        "{\\rtf1 a" + QByteArray(depth, '{') + "tief\\par" + QByteArray(depth, '}') + "b}";
    QCOMPARE(rtfToPlainText(rtf), QStringLiteral("ab"));

    // Moderate nesting keeps its text.
    const QByteArray moderate =
        "{\\rtf1 a" + QByteArray(200, '{') + "c" + QByteArray(200, '}') + "b}";
    QCOMPARE(rtfToPlainText(moderate), QStringLiteral("acb"));

    // Never closed at all.
    QCOMPARE(rtfToPlainText("{\\rtf1 a" + QByteArray(depth, '{')), QStringLiteral("a"));
}

void TestRtfText::everyCutOffPrefixIsRead()
{
    const QByteArray rtf = header + "K\\'e4se\\u228?{\\*\\x y}\\bin2 ab\\par}";
    for (qsizetype n = 0; n <= rtf.size(); ++n) {
        const QString text = rtfToPlainText(QByteArrayView(rtf).first(n));
        QVERIFY(text.size() <= n);
    }
    QCOMPARE(rtfToPlainText(rtf), QStringLiteral("K\u00E4se\u00E4\r\n"));
}

QTEST_GUILESS_MAIN(TestRtfText)
#include "tst_RtfText.moc"
