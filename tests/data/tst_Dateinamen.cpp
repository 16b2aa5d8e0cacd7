#include "data/folders/Dateinamen.h"

#include "support/FileSizeLimit.h"
#include "support/RecordingMessageDialog.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestDateinamen : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loading_data();
    void loading();
    void savedNamesComeBackExactly();
    void savingKeepsOtherSectionsAndDropsOldKeys();
    void savingAnEmptyListRemovesTheFile();
    void emptyFileIsRemovedOnLoading();
    void readOnlyFileIsMadeWritable();
    void failingAccessShowsTheMessage();
    void savingThatFailsHalfWayKeepsTheOldFile();
    void programFolderCopyWins();

private:
    QString dataFolder() const { return dir->filePath("Daten/"); }
    QString iniPath() const { return dir->filePath("Filenames.ini"); }
    void createDataFiles(const QStringList &names);

    std::unique_ptr<QTemporaryDir> dir;
};

namespace {
const QString failMessage = QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden!");
}

void TestDateinamen::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(dataFolder()));
}

void TestDateinamen::createDataFiles(const QStringList &names)
{
    for (const QString &name : names)
        writeTestFile(dataFolder() + name, "Titel\r\n");
}

void TestDateinamen::loading_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<QStringList>("loaded");

    const QStringList abc{"a.dat", "b.dat", "c.dat", "d.dat"};
    QTest::newRow("a gap ends the list")
        << QByteArray("[Filenames]\r\nFilename1=a.dat\r\nFilename2=b.dat\r\nFilename4=d.dat\r\n")
        << abc << QStringList{"a.dat", "b.dat"};
    QTest::newRow("an empty value ends the list")
        << QByteArray("[Filenames]\nFilename1=a.dat\nFilename2=\nFilename3=c.dat\n") << abc
        << QStringList{"a.dat"};
    QTest::newRow("missing files are skipped")
        << QByteArray("[Filenames]\nFilename1=fehlt.dat\nFilename2=b.dat\n") << abc
        << QStringList{"b.dat"};
    QTest::newRow("a folder is no file")
        << QByteArray("[Filenames]\nFilename1=ordner.dat\nFilename2=b.dat\n") << abc
        << QStringList{"b.dat"};
    QTest::newRow("names with folders are skipped") << QByteArray(
        "[Filenames]\nFilename1=../Daten/a.dat\nFilename2=sub/x.dat\nFilename3=..\\x.dat\n"
        "Filename4=..\nFilename5=.\nFilename6=c.dat\n")
                                                    << abc << QStringList{"c.dat"};
    QTest::newRow("dots inside a name are fine")
        << QByteArray("[Filenames]\nFilename1=a..b.dat\n") << QStringList{"a..b.dat"}
        << QStringList{"a..b.dat"};
    QTest::newRow("names and keys ignore case, blanks and comments") << QByteArray(
        "; Liste\r\n [filenames] \r\n  FILENAME1 =  a.dat  \r\n;Filename2=c.dat\r\nfilename2=b.dat\r\n")
                                                                     << abc
                                                                     << QStringList{"a.dat",
                                                                                    "b.dat"};
    QTest::newRow("the first key and section of a name count") << QByteArray(
        "[Filenames]\nFilename1=a.dat\nFilename1=b.dat\n[Filenames]\nFilename2=c.dat\n")
                                                               << abc << QStringList{"a.dat"};
    QTest::newRow("other sections are ignored") << QByteArray(
        "[Anderes]\nFilename1=c.dat\n[Filenames]\nFilename1=a.dat\n[Mehr]\nFilename2=b.dat\n")
                                                << abc << QStringList{"a.dat"};
    QTest::newRow("quotes are taken off") << QByteArray("[Filenames]\nFilename1=\" a.dat\"\n")
                                          << QStringList{" a.dat"} << QStringList{" a.dat"};
    QTest::newRow("8-bit file") << QByteArray("[Filenames]\nFilename1=K\xE4se.dat\n")
                                << QStringList{QStringLiteral("K\u00E4se.dat")}
                                << QStringList{QStringLiteral("K\u00E4se.dat")};
    QTest::newRow("utf-8 file") << QByteArray("[Filenames]\nFilename1=K\xC3\xA4se.dat\n")
                                << QStringList{QStringLiteral("K\u00E4se.dat")}
                                << QStringList{QStringLiteral("K\u00E4se.dat")};
    QTest::newRow("utf-16 file") << QByteArray("\xFF\xFE")
            + encoded(QStringEncoder::Utf16LE, "[Filenames]\r\nFilename1=\u0436.dat\r\n")
                                 << QStringList{QStringLiteral("\u0436.dat")}
                                 << QStringList{QStringLiteral("\u0436.dat")};
    QTest::newRow("no section") << QByteArray("Filename1=a.dat\n") << abc << QStringList{};
}

void TestDateinamen::loading()
{
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, existing);
    QFETCH(QStringList, loaded);
    createDataFiles(existing);
    QVERIFY(QDir().mkpath(dataFolder() + "ordner.dat"));
    writeTestFile(dir->filePath("x.dat"), "Titel\r\n"); // beside the data folder
    writeTestFile(iniPath(), ini);

    QStringList Dateien{"alt"};
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(true, Dateien, dialog, iniPath(), dataFolder());

    QStringList expected;
    for (const QString &name : loaded)
        expected.append(dataFolder() + name);
    QCOMPARE(Dateien, expected);
    QVERIFY(dialog.messages.isEmpty());
    QCOMPARE(readTestFile(iniPath()), ini); // loading changes nothing
}

void TestDateinamen::savedNamesComeBackExactly()
{
    const QStringList names{
        "a,b.dat",     "c;d.dat",     "e=f.dat",         QStringLiteral("K\u00E4se \u0436.dat"),
        "  vorne.dat", "hinten.dat ", "\"zitat\".dat\"", "\"ganz\"",
        "[x].dat",     "#1.dat",      "%1 %s.dat"};
    createDataFiles(names);
    QStringList Dateien;
    for (const QString &name : names)
        Dateien.append(dataFolder() + name);
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());

    QStringList loaded;
    DateinamenLadenSchreiben(true, loaded, dialog, iniPath(), dataFolder());
    QCOMPARE(loaded, Dateien);
    QVERIFY(dialog.messages.isEmpty());
    QVERIFY(readTestFile(iniPath()).startsWith(
        "[Filenames]\r\nFilename1=a,b.dat\r\nFilename2=c;d.dat\r\n"));
}

void TestDateinamen::savingKeepsOtherSectionsAndDropsOldKeys()
{
    createDataFiles({"a.dat", "b.dat"});
    writeTestFile(iniPath(),
                  "[Vorher]\r\nx=1\r\n[Filenames]\r\nFilename1=a.dat\r\nFilename2=b.dat\r\n"
                  "Filename3=c.dat\r\n[Nachher]\r\ny=2\r\n");
    QStringList Dateien{dataFolder() + "b.dat"};
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());
    QCOMPARE(
        readTestFile(iniPath()),
        QByteArray("[Vorher]\r\nx=1\r\n[Nachher]\r\ny=2\r\n[Filenames]\r\nFilename1=b.dat\r\n"));

    Dateien.clear();
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());
    QCOMPARE(readTestFile(iniPath()), QByteArray("[Vorher]\r\nx=1\r\n[Nachher]\r\ny=2\r\n"));
    QVERIFY(dialog.messages.isEmpty());
}

void TestDateinamen::savingAnEmptyListRemovesTheFile()
{
    writeTestFile(iniPath(), "[Filenames]\r\nFilename1=a.dat\r\n");
    QStringList Dateien;
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());
    QVERIFY(!QFileInfo::exists(iniPath()));
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder()); // nothing to remove
    QVERIFY(!QFileInfo::exists(iniPath()));
    QVERIFY(dialog.messages.isEmpty());
}

void TestDateinamen::emptyFileIsRemovedOnLoading()
{
    writeTestFile(iniPath(), "");
    QStringList Dateien{"alt"};
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(true, Dateien, dialog, iniPath(), dataFolder());
    QVERIFY(Dateien.isEmpty());
    QVERIFY(!QFileInfo::exists(iniPath()));
    QVERIFY(dialog.messages.isEmpty());
}

void TestDateinamen::readOnlyFileIsMadeWritable()
{
    createDataFiles({"a.dat"});
    writeTestFile(iniPath(), "[Filenames]\r\nFilename1=alt.dat\r\n");
    QVERIFY(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner));
    QStringList Dateien{dataFolder() + "a.dat"};
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());
    QVERIFY(QFile::permissions(iniPath()) & QFileDevice::WriteOwner);
    QCOMPARE(readTestFile(iniPath()), QByteArray("[Filenames]\r\nFilename1=a.dat\r\n"));
}

void TestDateinamen::failingAccessShowsTheMessage()
{
    // Saving into a folder that does not exist.
    const QString missing = dir->filePath("fehlt/Filenames.ini");
    QStringList Dateien{dataFolder() + "a.dat"};
    RecordingMessageDialog dialog;
    DateinamenLadenSchreiben(false, Dateien, dialog, missing, dataFolder());
    QCOMPARE(dialog.texts(), QStringList{failMessage.arg(QDir::toNativeSeparators(missing))});
    QCOMPARE(dialog.messages[0].icon, MsgIcon::Error);
    QCOMPARE(dialog.messages[0].buttons, MsgButtons::Ok);

    // Loading something that cannot be read: the same text serves both.
    const QString folder = dir->filePath("ordner.ini");
    QVERIFY(QDir().mkpath(folder));
    dialog.messages.clear();
    DateinamenLadenSchreiben(true, Dateien, dialog, folder, dataFolder());
    QVERIFY(Dateien.isEmpty());
    QCOMPARE(dialog.texts(), QStringList{failMessage.arg(QDir::toNativeSeparators(folder))});
}

void TestDateinamen::savingThatFailsHalfWayKeepsTheOldFile()
{
    const QByteArray old = "[Filenames]\r\nFilename1=a.dat\r\n";
    writeTestFile(iniPath(), old);
    QStringList Dateien;
    for (int i = 0; i < 200; ++i)
        Dateien.append(dataFolder() + QStringLiteral("Vokabelliste %1.dat").arg(i));

    const int messages = runWithFileSizeLimit(512, [&] {
        RecordingMessageDialog dialog;
        DateinamenLadenSchreiben(false, Dateien, dialog, iniPath(), dataFolder());
        if (dialog.texts() == QStringList{failMessage.arg(QDir::toNativeSeparators(iniPath()))})
            return 0;
        return 1;
    });
    QCOMPARE(messages, 0);
    QCOMPARE(readTestFile(iniPath()), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Filenames.ini"});
}

void TestDateinamen::programFolderCopyWins()
{
    const QString program = dir->filePath("programm/");
    const QString user = dir->filePath("benutzer/");
    QVERIFY(QDir().mkpath(program));
    QVERIFY(QDir().mkpath(user));
    writeTestFile(user + "Filenames.ini", "[Filenames]\r\n");
    QCOMPARE(DateinamenIniPfad(program, user), user + "Filenames.ini");
    writeTestFile(program + "Filenames.ini", "[Filenames]\r\n");
    QCOMPARE(DateinamenIniPfad(program, user), program + "Filenames.ini");
}

QTEST_GUILESS_MAIN(TestDateinamen)
#include "tst_Dateinamen.moc"
