#include "data/folders/Datenordner.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>

class TestDatenordner : public QObject
{
    Q_OBJECT

private slots:
    void foldersAreBuiltOnTheirBase();
    void processFoldersEndInASlash();
    void datenordnerStartsAsProgramDataFolderAndCanBeSet();
};

void TestDatenordner::foldersAreBuiltOnTheirBase()
{
    QCOMPARE(Programmdatenordner("/opt/lw/"), QStringLiteral("/opt/lw/Daten/"));
    QCOMPARE(Benutzerordner("/home/a/Dokumente/"), QStringLiteral("/home/a/Dokumente/Lernwendel/"));
    QCOMPARE(Dokumentendatenordner("/home/a/Dokumente/"),
             QStringLiteral("/home/a/Dokumente/Lernwendel/Daten/"));
    // Without a documents folder the paths become relative ones.
    QCOMPARE(Benutzerordner(QString()), QStringLiteral("Lernwendel/"));
    QCOMPARE(Dokumentendatenordner(QString()), QStringLiteral("Lernwendel/Daten/"));
}

void TestDatenordner::processFoldersEndInASlash()
{
    QCOMPARE(Programmordner(), QCoreApplication::applicationDirPath() + u'/');
    QCOMPARE(Programmdatenordner(), Programmordner() + "Daten/");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(DokumenteOrdner(), documents.isEmpty() ? QString() : documents + u'/');
    QCOMPARE(Benutzerordner(), DokumenteOrdner() + "Lernwendel/");
    QCOMPARE(Dokumentendatenordner(), DokumenteOrdner() + "Lernwendel/Daten/");
}

void TestDatenordner::datenordnerStartsAsProgramDataFolderAndCanBeSet()
{
    QCOMPARE(Datenordner(), Programmdatenordner());
    setDatenordner("/tmp/anders/");
    QCOMPARE(Datenordner(), QStringLiteral("/tmp/anders/"));
}

QTEST_GUILESS_MAIN(TestDatenordner)
#include "tst_Datenordner.moc"
