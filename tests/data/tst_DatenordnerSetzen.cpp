#include "data/folders/Datenordner.h"

#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestDatenordnerSetzen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void choiceSelectsFolderAndItem_data();
    void choiceSelectsFolderAndItem();
    void firstChoiceOfDocumentsFolderCopiesEverySample();
    void laterChoicesCopyNothing();
    void copyReplacesFilesOfTheSameName();
    void missingFoldersAreCreatedOrIgnored();
    void emptyFoldersGoAtTheEndAndComeBackFilled();
    void foldersWithFilesStay();

private:
    QString programData() const { return dir->filePath("programm/Daten/"); }
    QString documentsData() const { return dir->filePath("Dokumente/Lernwendel/Daten/"); }
    static QStringList namesIn(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

    std::unique_ptr<QTemporaryDir> dir;
};

void TestDatenordnerSetzen::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    QVERIFY(QDir().mkpath(programData()));
    for (const char *name :
         {"Farben.dat", "liste.TXT", ".versteckt.dat", "schreibgeschuetzt.dat", "notizen.text"})
        writeTestFile(programData() + name, QByteArray("Titel von ") + name);
    QVERIFY(QFile::setPermissions(programData() + "schreibgeschuetzt.dat", QFileDevice::ReadOwner));
    QVERIFY(QDir().mkpath(programData() + "ordner.dat"));
}

void TestDatenordnerSetzen::choiceSelectsFolderAndItem_data()
{
    QTest::addColumn<int>("AktOrdner");
    QTest::addColumn<bool>("programFolder");
    QTest::newRow("2") << 2 << true;
    QTest::newRow("1") << 1 << false;
    QTest::newRow("0") << 0 << false;
    QTest::newRow("3") << 3 << false;
    QTest::newRow("5") << 5 << false;
    QTest::newRow("-1") << -1 << false;
}

void TestDatenordnerSetzen::choiceSelectsFolderAndItem()
{
    QFETCH(int, AktOrdner);
    QFETCH(bool, programFolder);
    const int item = DatenordnerSetzen(AktOrdner, programData(), documentsData());
    QCOMPARE(item,
             programFolder ? int(AktOrdnerWahl::Programmordner)
                           : int(AktOrdnerWahl::EigeneDateien));
    QCOMPARE(Datenordner(), programFolder ? programData() : documentsData());
    QVERIFY(QFileInfo(Datenordner()).isDir());
}

void TestDatenordnerSetzen::firstChoiceOfDocumentsFolderCopiesEverySample()
{
    DatenordnerSetzen(1, programData(), documentsData());
    QCOMPARE(namesIn(documentsData()),
             QStringList({".versteckt.dat", "Farben.dat", "liste.TXT", "schreibgeschuetzt.dat"}));
    QCOMPARE(readTestFile(documentsData() + ".versteckt.dat"),
             QByteArray("Titel von .versteckt.dat"));
    QCOMPARE(readTestFile(documentsData() + "schreibgeschuetzt.dat"),
             QByteArray("Titel von schreibgeschuetzt.dat"));
    QVERIFY(!QFileInfo::exists(documentsData() + "ordner.dat"));
}

void TestDatenordnerSetzen::laterChoicesCopyNothing()
{
    DatenordnerSetzen(1, programData(), documentsData());
    // The learner empties the folder, switches to the program folder and back.
    for (const QString &name : namesIn(documentsData()))
        QVERIFY(QFile::remove(documentsData() + name));
    DatenordnerSetzen(2, programData(), documentsData());
    DatenordnerSetzen(1, programData(), documentsData());
    QVERIFY(namesIn(documentsData()).isEmpty());
    QCOMPARE(Datenordner(), documentsData());
}

void TestDatenordnerSetzen::copyReplacesFilesOfTheSameName()
{
    const QString target = dir->filePath("ziel/");
    QVERIFY(QDir().mkpath(target));
    writeTestFile(target + "Farben.dat", "alt");
    writeTestFile(target + "schreibgeschuetzt.dat", "alt");
    QVERIFY(QFile::setPermissions(target + "schreibgeschuetzt.dat", QFileDevice::ReadOwner));
    writeTestFile(target + "eigene.dat", "bleibt");
    BeispieldateienKopieren(programData(), target);
    QCOMPARE(readTestFile(target + "Farben.dat"), QByteArray("Titel von Farben.dat"));
    QCOMPARE(readTestFile(target + "schreibgeschuetzt.dat"),
             QByteArray("Titel von schreibgeschuetzt.dat"));
    QCOMPARE(readTestFile(target + "eigene.dat"), QByteArray("bleibt"));
}

void TestDatenordnerSetzen::missingFoldersAreCreatedOrIgnored()
{
    // Missing program data folder: created; missing samples: nothing copied.
    QVERIFY(QDir(dir->filePath("programm")).removeRecursively());
    QCOMPARE(DatenordnerSetzen(2, programData(), documentsData()),
             int(AktOrdnerWahl::Programmordner));
    QVERIFY(QFileInfo(programData()).isDir());
    QCOMPARE(DatenordnerSetzen(1, programData(), documentsData()),
             int(AktOrdnerWahl::EigeneDateien));
    QVERIFY(QFileInfo(documentsData()).isDir());
    QVERIFY(namesIn(documentsData()).isEmpty());

    // A folder that cannot be made (a file stands in its way) is no error.
    writeTestFile(dir->filePath("datei"), "x");
    const QString impossible = dir->filePath("datei/Lernwendel/Daten/");
    QCOMPARE(DatenordnerSetzen(1, programData(), impossible), int(AktOrdnerWahl::EigeneDateien));
    QCOMPARE(Datenordner(), impossible);
    QVERIFY(!QFileInfo::exists(impossible));
}

// The folders of the process: the data folder and the per-user folder lie in
// this test's own home (see main).
void TestDatenordnerSetzen::emptyFoldersGoAtTheEndAndComeBackFilled()
{
    const QString documentsData = Dokumentendatenordner();
    QVERIFY(documentsData.startsWith(QFile::decodeName(qgetenv("HOME")) + u'/'));

    // A run: the window makes the folders, the settings choose the documents
    // folder, the learner deletes every file, the window goes.
    setDatenordner(programData());
    CreateDataFolders();
    QVERIFY(QFileInfo(Benutzerordner()).isDir());
    DatenordnerSetzen(1, programData(), documentsData);
    QCOMPARE(namesIn(documentsData).size(), 4);
    for (const QString &name : namesIn(documentsData))
        QVERIFY(QFile::remove(documentsData + name));
    RemoveEmptyDataFolders();
    QVERIFY(!QFileInfo::exists(documentsData));
    QVERIFY(!QFileInfo::exists(Benutzerordner()));

    // The next run finds no folder and gets the samples again.
    DatenordnerSetzen(1, programData(), documentsData);
    QCOMPARE(namesIn(documentsData).size(), 4);
    QVERIFY(QDir(Benutzerordner()).removeRecursively());
}

void TestDatenordnerSetzen::foldersWithFilesStay()
{
    setDatenordner(Dokumentendatenordner());
    CreateDataFolders();
    writeTestFile(Datenordner() + "eigene.dat", "Titel");
    RemoveEmptyDataFolders();
    QVERIFY(QFileInfo::exists(Datenordner() + "eigene.dat"));

    // An empty data folder goes, the per-user folder holding a file stays.
    QVERIFY(QFile::remove(Datenordner() + "eigene.dat"));
    writeTestFile(Benutzerordner() + "Filenames.ini", "[Filenames]\r\n");
    RemoveEmptyDataFolders();
    QVERIFY(!QFileInfo::exists(Datenordner()));
    QVERIFY(QFileInfo::exists(Benutzerordner() + "Filenames.ini"));
    QVERIFY(QDir(Benutzerordner()).removeRecursively());
}

// The process folders must never be the real user's: the test gets a home
// of its own before anything asks for the documents folder.
int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    QCoreApplication app(argc, argv);
    TestDatenordnerSetzen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DatenordnerSetzen.moc"
