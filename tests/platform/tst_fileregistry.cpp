#include "platform/linux/FileRegistry.h"
#include "support/FileSizeLimit.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::u16string u16(const QString &text)
{
    return text.toStdU16String();
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ino_t inode(const QString &fileName)
{
    struct stat info
    {};
    return ::stat(QFile::encodeName(fileName).constData(), &info) == 0 ? info.st_ino : 0;
}

// Whether another open file of the lock file could take the lock now.
bool lockIsFree(const QString &lockFile)
{
    const int fd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return true;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

const QByteArray header =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Lernwendel]\n";

} // namespace

class TestFileRegistry : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FileRegistry> m_registry;
    QString m_file;

    std::unique_ptr<RegistryKey> open(bool create = true)
    {
        std::unique_ptr<RegistryKey> key;
        m_registry->OpenKey(u"\\Software\\Lernwendel", create, key);
        return key;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_registry = std::make_unique<FileRegistry>(u16(m_dir.path()));
        m_file = m_dir.path() + "/HKEY_CURRENT_USER/Software/Lernwendel.reg";
    }

    void fileOfAKeyHoldsExactlyItsValues()
    {
        auto key = open();
        QVERIFY(key);
        QCOMPARE(readAll(m_file), header);
        QCOMPARE(key->WriteInteger(u"AktOrdner", 2), RegistryResult::Ok);
        QCOMPARE(key->WriteText(u"FontName", u"Arial"), RegistryResult::Ok);
        QCOMPARE(key->WriteInteger(u"FontColor", std::int32_t(0xFF000008u)), RegistryResult::Ok);
        QCOMPARE(key->WriteInteger(u"AktOrdner", 1), RegistryResult::Ok); // keeps its place
        QCOMPARE(readAll(m_file),
                 header
                     + "\"AktOrdner\"=dword:00000001\n"
                       "\"FontName\"=\"Arial\"\n"
                       "\"FontColor\"=dword:ff000008\n");
    }

    void valuesComeBackAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("empty") << QString() << QByteArray("\"V\"=\"\"");
        QTest::newRow("umlauts") << QString("Jänner – Straße")
                                 << QString("\"V\"=\"Jänner – Straße\"").toUtf8();
        QTest::newRow("quotes and backslashes")
            << QString("C:\\Daten\\\"neu\"\\")
            << QByteArray("\"V\"=\"C:\\\\Daten\\\\\\\"neu\\\"\\\\\"");
        QTest::newRow("line break")
            << QString("a\r\nb") << QByteArray("\"V\"=hex(1):61,00,0d,00,0a,00,62,00,00,00");
        QTest::newRow("zero inside")
            << QString("a") + QChar(0) + "b" << QByteArray("\"V\"=hex(1):61,00,00,00,62,00,00,00");
        QTest::newRow("broken surrogate")
            << QString(QChar(0xD800)) << QByteArray("\"V\"=hex(1):00,d8,00,00");
        QTest::newRow("outside the BMP")
            << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("\"V\"=\"\xF0\x9F\x98\x80\"");
    }

    void valuesComeBackAsWritten()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, line);
        QCOMPARE(open()->WriteText(u"V", u16(text)), RegistryResult::Ok);
        QCOMPARE(readAll(m_file), header + line + '\n');
        std::u16string back;
        QCOMPARE(open(false)->ReadText(u"V", back), RegistryResult::Ok);
        QCOMPARE(QString::fromStdU16String(back), text);
    }

    void integersKeepAllBits_data()
    {
        QTest::addColumn<int>("number");
        QTest::newRow("zero") << 0;
        QTest::newRow("minus one") << -1;
        QTest::newRow("smallest") << int(INT32_MIN);
        QTest::newRow("largest") << int(INT32_MAX);
    }

    void integersKeepAllBits()
    {
        QFETCH(int, number);
        QCOMPARE(open()->WriteInteger(u"N", number), RegistryResult::Ok);
        std::int32_t back = 7;
        QCOMPARE(open(false)->ReadInteger(u"N", back), RegistryResult::Ok);
        QCOMPARE(back, number);
    }

    // What a value of each kind gives when read as text and as a number.
    void typesAreChecked_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<RegistryResult>("asText");
        QTest::addColumn<QString>("text");
        QTest::addColumn<RegistryResult>("asNumber");
        QTest::addColumn<int>("number");
        using R = RegistryResult;
        QTest::newRow("text") << QByteArray("\"V\"=\"1\"") << R::Ok << "1" << R::WrongType << 0;
        QTest::newRow("dword") << QByteArray("\"V\"=dword:0000000a") << R::WrongType << "" << R::Ok
                               << 10;
        QTest::newRow("short dword")
            << QByteArray("\"V\"=DWORD:A") << R::WrongType << "" << R::Ok << 10;
        QTest::newRow("hex(4)") << QByteArray("\"V\"=hex(4):0a,00,00,00") << R::WrongType << ""
                                << R::Ok << 10;
        QTest::newRow("hex(1)") << QByteArray("\"V\"=hex(1):31,00,00,00") << R::Ok << "1"
                                << R::WrongType << 0;
        QTest::newRow("hex(2)") << QByteArray("\"V\"=hex(2):25,00,00,00") << R::Ok << "%"
                                << R::WrongType << 0;
        QTest::newRow("binary") << QByteArray("\"V\"=hex:01,02") << R::WrongType << ""
                                << R::WrongType << 0;
        QTest::newRow("multi-string")
            << QByteArray("\"V\"=hex(7):00,00") << R::WrongType << "" << R::WrongType << 0;
        QTest::newRow("dword with letters")
            << QByteArray("\"V\"=dword:xyz") << R::WrongType << "" << R::BadData << 0;
        QTest::newRow("dword too long")
            << QByteArray("\"V\"=dword:123456789") << R::WrongType << "" << R::BadData << 0;
        QTest::newRow("hex(4) of 3 bytes")
            << QByteArray("\"V\"=hex(4):0a,00,00") << R::WrongType << "" << R::BadData << 0;
        QTest::newRow("unterminated text")
            << QByteArray("\"V\"=\"abc") << R::BadData << "" << R::WrongType << 0;
        QTest::newRow("text with tail")
            << QByteArray("\"V\"=\"abc\" x") << R::BadData << "" << R::WrongType << 0;
        QTest::newRow("unknown escape")
            << QByteArray("\"V\"=\"C:\\Daten\"") << R::BadData << "" << R::WrongType << 0;
        QTest::newRow("odd hex(1)")
            << QByteArray("\"V\"=hex(1):31,00,00") << R::BadData << "" << R::WrongType << 0;
        QTest::newRow("nothing") << QByteArray("\"V\"=") << R::WrongType << "" << R::WrongType << 0;
        QTest::newRow("not a value")
            << QByteArray("V=\"1\"") << R::Missing << "" << R::Missing << 0;
    }

    void typesAreChecked()
    {
        QFETCH(QByteArray, line);
        QFETCH(RegistryResult, asText);
        QFETCH(QString, text);
        QFETCH(RegistryResult, asNumber);
        QFETCH(int, number);
        open();
        writeAll(m_file, header + line + '\n');
        auto key = open(false);
        std::u16string readText;
        std::int32_t readNumber = 0;
        QCOMPARE(key->ReadText(u"V", readText), asText);
        QCOMPARE(QString::fromStdU16String(readText), text);
        QCOMPARE(key->ReadInteger(u"V", readNumber), asNumber);
        QCOMPARE(readNumber, number);
        QCOMPARE(key->ValueExists(u"V"), asText != RegistryResult::Missing);
        QCOMPARE(key->ReadText(u"Other", readText), RegistryResult::Missing);
    }

    void namesIgnoreLetterCase()
    {
        auto key = open();
        key->WriteText(u"FontName", u"Arial");
        key->WriteText(u"FONTNAME", u"Verdana");
        std::u16string text;
        QCOMPARE(key->ReadText(u"fontname", text), RegistryResult::Ok);
        QCOMPARE(text, u"Verdana");
        QCOMPARE(readAll(m_file), header + "\"FontName\"=\"Verdana\"\n");
    }

    void deletingValuesAndTheKey()
    {
        auto key = open();
        key->WriteText(u"A", u"1");
        key->WriteInteger(u"B", 2);
        key->WriteText(u"C", u"3");
        QCOMPARE(key->DeleteValue(u"B"), RegistryResult::Ok);
        QCOMPARE(key->DeleteValue(u"B"), RegistryResult::Missing);
        std::vector<std::u16string> names;
        QCOMPARE(key->ValueNames(names), RegistryResult::Ok);
        QCOMPARE(names, (std::vector<std::u16string>{u"A", u"C"}));
        key->DeleteValue(u"A");
        key->DeleteValue(u"C");
        QCOMPARE(readAll(m_file), header);

        QCOMPARE(key->DeleteKey(), RegistryResult::Ok);
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(QFile::exists(m_file + ".lock"));
        QCOMPARE(key->ValueNames(names), RegistryResult::Missing);
        QCOMPARE(key->WriteText(u"A", u"1"), RegistryResult::Missing);
        QVERIFY(!QFile::exists(m_file));
        key.reset();

        std::unique_ptr<RegistryKey> none;
        QCOMPARE(m_registry->OpenKey(u"Software\\Lernwendel", false, none),
                 RegistryResult::Missing);
        QVERIFY(!none);
    }

    void openingWithoutCreatingLeavesNoTrace()
    {
        std::unique_ptr<RegistryKey> key;
        QCOMPARE(m_registry->OpenKey(u"Lernwendel", false, key), RegistryResult::Missing);
        QVERIFY(!QFileInfo::exists(m_dir.path() + "/HKEY_CURRENT_USER"));
        QCOMPARE(m_registry->OpenKey(u"Lernwendel", true, key), RegistryResult::Ok);
        QVERIFY(QFile::exists(m_dir.path() + "/HKEY_CURRENT_USER/Lernwendel.reg"));
    }

    void keyPathsThatNameNoFileAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << "";
        QTest::newRow("only separators") << "\\\\";
        QTest::newRow("empty part") << "Software\\\\Lernwendel";
        QTest::newRow("parent folder") << "Software\\..\\..\\x";
        QTest::newRow("slash") << "Software/../x";
    }

    void keyPathsThatNameNoFileAreRefused()
    {
        QFETCH(QString, path);
        std::unique_ptr<RegistryKey> key;
        QCOMPARE(m_registry->OpenKey(u16(path), true, key), RegistryResult::Failed);
        QVERIFY(!key);
    }

    void namesThatCannotStandOnOneLineAreRefused()
    {
        auto key = open();
        QCOMPARE(key->WriteText(u"a\nb", u"1"), RegistryResult::Failed);
        QCOMPARE(readAll(m_file), header);
    }

    // A file written by hand or by another program: read what is clearly
    // meant, keep everything else as it stands.
    void handWrittenFilesAreReadWithoutGuessing()
    {
        open();
        writeAll(m_file,
                 "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                 "\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Other]\r\n"
                 "\"FontName\"=\"Wrong\"\r\n"
                 "\r\n"
                 "[hkey_current_user\\software\\lernwendel]\r\n"
                 "; chosen by hand\r\n"
                 "  \"FontName\" = \"Courier New\"  \r\n"
                 "\"FontSize\"=dword:00000010\r\n"
                 "this line means nothing\r\n"
                 "\"Bad\xFF\"=\"x\"\r\n"
                 "\"Long\"=hex(1):4c,00,\\\r\n"
                 "  61,00,00,00\r\n"
                 "\"FontSize\"=dword:00000012\r\n"
                 "@=\"default\"\r\n"
                 "\r\n");
        auto key = open(false);
        std::vector<std::u16string> names;
        QCOMPARE(key->ValueNames(names), RegistryResult::Ok);
        QCOMPARE(names, (std::vector<std::u16string>{u"FontName", u"FontSize", u"Long", u""}));
        std::u16string text;
        QCOMPARE(key->ReadText(u"FontName", text), RegistryResult::Ok);
        QCOMPARE(text, u"Courier New");
        QCOMPARE(key->ReadText(u"Long", text), RegistryResult::Ok);
        QCOMPARE(text, u"La");
        QCOMPARE(key->ReadText(u"", text), RegistryResult::Ok);
        QCOMPARE(text, u"default");
        std::int32_t size = 0;
        QCOMPARE(key->ReadInteger(u"FontSize", size), RegistryResult::Ok);
        QCOMPARE(size, 18);

        // A change writes the file anew; what was not understood survives.
        QCOMPARE(key->WriteInteger(u"FontSize", 20), RegistryResult::Ok);
        QCOMPARE(readAll(m_file),
                 header
                     + "; chosen by hand\n"
                       "\"FontName\"=\"Courier New\"\n"
                       "\"FontSize\"=dword:00000014\n"
                       "this line means nothing\n"
                       "\"Bad\xFF\"=\"x\"\n"
                       "\"Long\"=\"La\"\n"
                       "@=\"default\"\n"
                       "\n"
                       "[HKEY_CURRENT_USER\\Software\\Other]\n"
                       "\"FontName\"=\"Wrong\"\n");
        QCOMPARE(key->ReadText(u"FontName", text), RegistryResult::Ok);
        QCOMPARE(text, u"Courier New");
    }

    void valuesWithoutHeaderAreTheKeys()
    {
        open();
        writeAll(m_file, "\"ProgramSetFocus\"=\"1\"");
        std::u16string text;
        QCOMPARE(open(false)->ReadText(u"ProgramSetFocus", text), RegistryResult::Ok);
        QCOMPARE(text, u"1");
    }

    void garbageNeverCrashes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("binary") << QByteArray("\0\xff\xfe\"\\[\n=\"\\", 10);
        QTest::newRow("continuation at the end") << QByteArray("\"A\"=hex(1):41,\\");
        QTest::newRow("lone brackets") << QByteArray("[\n]\n[]\n\"]\"=\"[\"");
        QTest::newRow("hex type too long") << QByteArray("\"A\"=hex(123456789abc):00");
        QTest::newRow("escape at the end") << QByteArray("\"A\\");
    }

    void garbageNeverCrashes()
    {
        QFETCH(QByteArray, bytes);
        open();
        writeAll(m_file, bytes);
        auto key = open(false);
        std::vector<std::u16string> names;
        QCOMPARE(key->ValueNames(names), RegistryResult::Ok);
        for (const std::u16string &name : names) {
            std::u16string text;
            key->ReadText(name, text);
        }
        QCOMPARE(key->WriteText(u"Z", u"1"), RegistryResult::Ok);
        std::u16string text;
        QCOMPARE(open(false)->ReadText(u"Z", text), RegistryResult::Ok);
    }

    void changesReplaceTheFileWhole()
    {
        auto key = open();
        key->WriteText(u"A", u"old");
        const QByteArray before = readAll(m_file);
        QFile reader(m_file);
        QVERIFY(reader.open(QIODevice::ReadOnly));
        const ino_t fileBefore = inode(m_file);
        const ino_t lockBefore = inode(m_file + ".lock");

        key->WriteText(u"A", u"new");
        QVERIFY(inode(m_file) != fileBefore);
        QCOMPARE(inode(m_file + ".lock"), lockBefore);
        QCOMPARE(reader.readAll(), before); // the old file stays whole for its reader
        QCOMPARE(readAll(m_file), header + "\"A\"=\"new\"\n");
    }

    // A full disk in the middle of a change leaves the old file, never a torn one.
    void aFailedWriteKeepsTheOldFile()
    {
        {
            auto key = open();
            key->WriteText(u"FontName", QString(300, u'x').toStdU16String());
        }
        const QByteArray before = readAll(m_file);
        const int result = runWithFileSizeLimit(before.size() + 20, [this] {
            auto key = open();
            return key->WriteText(u"Long", QString(400, u'y').toStdU16String())
                    == RegistryResult::Failed
                ? 0
                : 1;
        });
        QCOMPARE(result, 0);
        QCOMPARE(readAll(m_file), before);
    }

    void anOpenKeyHoldsItsLock()
    {
        const QString lockFile = m_file + ".lock";
        auto key = open();
        QVERIFY(!lockIsFree(lockFile));
        {
            // The same thread may open the key again without waiting for itself.
            auto again = open(false);
            QVERIFY(again);
            QCOMPARE(again->WriteText(u"A", u"1"), RegistryResult::Ok);
        }
        QVERIFY(!lockIsFree(lockFile));
        std::u16string text;
        QCOMPARE(key->ReadText(u"A", text), RegistryResult::Ok);
        key.reset();
        QVERIFY(lockIsFree(lockFile));
    }
};

QTEST_GUILESS_MAIN(TestFileRegistry)
#include "tst_fileregistry.moc"
