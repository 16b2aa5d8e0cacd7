#include "help/CommandLine.h"

#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void quoteIfSpaced_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("blank") << "C:\\Daten\\Englisch 1.dat"
                               << "\"C:\\Daten\\Englisch 1.dat\"";
        QTest::newRow("no blank") << "C:\\Daten\\Englisch.dat"
                                  << "C:\\Daten\\Englisch.dat";
        QTest::newRow("quotes and blank") << "a \"b\" c"
                                          << "\"a \"\"b\"\" c\"";
        QTest::newRow("quote without blank") << "a\"b"
                                             << "a\"b";
        QTest::newRow("tab is no blank") << "a\tb"
                                         << "a\tb";
        QTest::newRow("empty") << ""
                               << "";
    }

    void quoteIfSpaced()
    {
        QFETCH(QString, text);
        QFETCH(QString, quoted);
        QCOMPARE(QuoteIfSpaced(text), quoted);
    }

    void splitCommandLine_data()
    {
        QTest::addColumn<QString>("parameters");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("only blanks") << "  \t " << QStringList{};
        QTest::newRow("one bare") << "Lernwendel.cfg" << QStringList{"Lernwendel.cfg"};
        QTest::newRow("bare ones, blanks and tabs") << " a  b\tc " << QStringList{"a", "b", "c"};
        QTest::newRow("quoted folder with blank")
            << "\"/home/u/Meine Daten/\"" << QStringList{"/home/u/Meine Daten/"};
        QTest::newRow("doubled quotes inside") << "\"a \"\"b\"\" c\"" << QStringList{"a \"b\" c"};
        QTest::newRow("semicolon quoted") << "\"x; y\"" << QStringList{"x; y"};
        QTest::newRow("semicolon bare") << "a;b c" << QStringList{"a;b", "c"};
        QTest::newRow("quoted empty") << "\"\"" << QStringList{""};
        QTest::newRow("quoted empty between") << "a \"\" b" << QStringList{"a", "", "b"};
        QTest::newRow("quoted stretch inside a word") << "x\"a b\"y" << QStringList{"xa by"};
        QTest::newRow("unclosed quote runs to the end") << "\"a b" << QStringList{"a b"};
        QTest::newRow("backslash before quote is plain")
            << "\"C:\\Daten\\\" x" << QStringList{"C:\\Daten\\", "x"};
    }

    void splitCommandLine()
    {
        QFETCH(QString, parameters);
        QFETCH(QStringList, arguments);
        QCOMPARE(SplitCommandLine(parameters), arguments);
    }

    // What one quotes, the other gives back as one argument.
    void quotedTextSplitsToItself_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("path with blank") << "/home/u/Daten/Englisch 1.dat";
        QTest::newRow("quotes") << "sagte \"ja\" und \"\"nein\"\"";
        QTest::newRow("semicolons") << "a; b;c";
        QTest::newRow("edge blanks") << " a ";
        QTest::newRow("no blank") << "Lernwendel.cfg";
    }

    void quotedTextSplitsToItself()
    {
        QFETCH(QString, text);
        QCOMPARE(SplitCommandLine(QuoteIfSpaced(text)), QStringList{text});
        const QString two = QuoteIfSpaced(text) + QLatin1Char(' ') + QuoteIfSpaced(text);
        QCOMPARE(SplitCommandLine(two), (QStringList{text, text}));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
