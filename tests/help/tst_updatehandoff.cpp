#include "help/UpdateHandOff.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

UpdateHandOff handOff(const QString &path, int fontSize, const QString &fontName)
{
    return {QStringLiteral("Lernwendel V1.23"),
            QStringLiteral("Lernwendel V1.23"),
            path,
            QStringLiteral("Lernwendel"),
            fontSize,
            fontName};
}

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestUpdateHandOff : public QObject
{
    Q_OBJECT

private slots:
    void fiveLinesInTheCodePage_data();
    void fiveLinesInTheCodePage();
    void replacesAnEarlierFile();
    void readOnlyFileLeftFromEarlierRun();
    void unwritablePlace_data();
    void unwritablePlace();
};

void TestUpdateHandOff::fiveLinesInTheCodePage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("Arial 16") << "/opt/lernwendel/lernwendel" << 16 << "Arial"
                              << QByteArray("Lernwendel V1.23\r\nLernwendel V1.23\r\n"
                                            "/opt/lernwendel/lernwendel\r\nLernwendel\r\n"
                                            "16 Arial\r\n");
    // One byte per character, no byte-order mark; what the code page lacks
    // becomes "?".
    QTest::newRow("umlauts and a blank in the name")
        << QStringLiteral("/home/jürgen/Übungen/lernwendel") << 12
        << QStringLiteral("Times New Roman")
        << QByteArray("Lernwendel V1.23\r\nLernwendel V1.23\r\n"
                      "/home/j\xFCrgen/\xDC"
                      "bungen/lernwendel\r\nLernwendel\r\n"
                      "12 Times New Roman\r\n");
    QTest::newRow("outside the code page")
        << QStringLiteral("/home/\u0436/x") << 9 << QStringLiteral("Ц")
        << QByteArray("Lernwendel V1.23\r\nLernwendel V1.23\r\n"
                      "/home/?/x\r\nLernwendel\r\n9 ?\r\n");
}

void TestUpdateHandOff::fiveLinesInTheCodePage()
{
    QFETCH(QString, path);
    QFETCH(int, fontSize);
    QFETCH(QString, fontName);
    QFETCH(QByteArray, bytes);

    QCOMPARE(UpdateHandOffBytes(handOff(path, fontSize, fontName)), bytes);

    QTemporaryDir temp;
    const QString file = temp.filePath(UpdateHandOffFileName);
    QVERIFY(WriteUpdateHandOff(file, handOff(path, fontSize, fontName)));
    QCOMPARE(contentOf(file), bytes);
}

void TestUpdateHandOff::replacesAnEarlierFile()
{
    QTemporaryDir temp;
    const QString file = temp.filePath(UpdateHandOffFileName);
    QVERIFY(WriteUpdateHandOff(file,
                               handOff(QStringLiteral("/a/long/path/of/the/program"), 16,
                                       QStringLiteral("Liberation Sans"))));
    // Shorter: nothing of the first content may stay behind.
    const UpdateHandOff second = handOff(QStringLiteral("/p"), 8, QStringLiteral("Arial"));
    QVERIFY(WriteUpdateHandOff(file, second));
    QCOMPARE(contentOf(file), UpdateHandOffBytes(second));
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{UpdateHandOffFileName});
}

void TestUpdateHandOff::readOnlyFileLeftFromEarlierRun()
{
    QTemporaryDir temp;
    const QString file = temp.filePath(UpdateHandOffFileName);
    QVERIFY(WriteUpdateHandOff(file, handOff(QStringLiteral("/old"), 10, QStringLiteral("Arial"))));
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const UpdateHandOff now = handOff(QStringLiteral("/new"), 16, QStringLiteral("Arial"));
    QVERIFY(WriteUpdateHandOff(file, now));
    QCOMPARE(contentOf(file), UpdateHandOffBytes(now));
    // The update program may change it in its turn.
    QVERIFY(QFile::permissions(file) & QFileDevice::WriteOwner);
}

void TestUpdateHandOff::unwritablePlace_data()
{
    QTest::addColumn<bool>("folderInPlace");
    QTest::newRow("a folder in its place") << true;
    QTest::newRow("the temporary folder is missing") << false;
}

void TestUpdateHandOff::unwritablePlace()
{
    QFETCH(bool, folderInPlace);
    QTemporaryDir temp;
    const QString file = folderInPlace
        ? temp.filePath(UpdateHandOffFileName)
        : temp.filePath(QStringLiteral("fehlt/") + UpdateHandOffFileName);
    if (folderInPlace) {
        QVERIFY(QDir().mkpath(file + QStringLiteral("/inhalt")));
    }

    QVERIFY(!WriteUpdateHandOff(file, handOff(QStringLiteral("/p"), 16, QStringLiteral("Arial"))));
    if (folderInPlace)
        QVERIFY(QFileInfo(file + QStringLiteral("/inhalt")).isDir());
    else
        QVERIFY(!QFileInfo::exists(temp.filePath(QStringLiteral("fehlt"))));
}

QTEST_GUILESS_MAIN(TestUpdateHandOff)
#include "tst_updatehandoff.moc"
