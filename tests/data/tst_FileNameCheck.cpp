// Names the learner types for a vocabulary file: what may name a file in
// the data folder and what is refused with a message.

#include "data/folders/FileNameCheck.h"

#include <QTest>

class TestFileNameCheck : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheTrimmedName_data();
    void judgesTheTrimmedName();
};

void TestFileNameCheck::judgesTheTrimmedName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("refusal"); // empty: the name is taken

    const QString slash = QStringLiteral(
        "Der Dateiname \"%1\" darf keinen Schrägstrich (\"/\" oder \"\\\") enthalten!");
    const QString dots = QStringLiteral("Der Dateiname \"%1\" darf nicht \"..\" enthalten!");
    const QString empty = QStringLiteral("Der Dateiname darf nicht leer sein!");
    const QString control =
        QStringLiteral("Der Dateiname \"%1\" darf keine Steuerzeichen enthalten!");

    QTest::newRow("plain") << "Tiere2"
                           << "";
    QTest::newRow("blanks around") << " Tiere2 "
                                   << "";
    QTest::newRow("blank inside") << "Englisch 1"
                                  << "";
    QTest::newRow("umlauts and a dot") << "Gemüse.neu"
                                       << "";
    QTest::newRow("already .dat") << "Tiere.dat"
                                  << "";
    QTest::newRow("no-break space kept") << QStringLiteral("\u00A0Tiere") << "";
    QTest::newRow("empty") << "" << empty;
    QTest::newRow("only blanks") << "   " << empty;
    QTest::newRow("tab and line break only") << "\t\r\n" << empty;
    QTest::newRow("slash") << "../Tiere" << slash.arg(QStringLiteral("../Tiere"));
    QTest::newRow("slash inside") << "a/b" << slash.arg(QStringLiteral("a/b"));
    QTest::newRow("absolute") << "/etc/passwd" << slash.arg(QStringLiteral("/etc/passwd"));
    QTest::newRow("backslash") << "..\\Tiere" << slash.arg(QStringLiteral("..\\Tiere"));
    QTest::newRow("dot dot alone") << ".." << dots.arg(QStringLiteral(".."));
    QTest::newRow("dot dot trimmed") << " .. " << dots.arg(QStringLiteral(".."));
    QTest::newRow("dot dot inside") << "a..b" << dots.arg(QStringLiteral("a..b"));
    QTest::newRow("line break inside") << "a\r\nb" << control.arg(QStringLiteral("a\r\nb"));
    QTest::newRow("tab inside") << "a\tb" << control.arg(QStringLiteral("a\tb"));
    QTest::newRow("NUL inside") << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"))
                                << control.arg(QString(QStringLiteral("a") + QChar(0)
                                                       + QStringLiteral("b")));
}

void TestFileNameCheck::judgesTheTrimmedName()
{
    QFETCH(QString, name);
    QFETCH(QString, refusal);
    QCOMPARE(fileNameRefusal(name), refusal);
}

QTEST_GUILESS_MAIN(TestFileNameCheck)
#include "tst_FileNameCheck.moc"
