#include "platform/linux/RegistryFile.h"
#include "platform/linux/RegistryValueCodec.h"

#include <QTest>

namespace {

const QString keyName = QStringLiteral("HKEY_CURRENT_USER\\Software\\Lernwendel");

using Kind = RegistryValueKind;

// A value as the test tables write it: "text:...", "number:...", "other" or
// "other meant text" / "other meant number".
QString describe(const RegistryFileValue &value)
{
    switch (value.kind) {
    case Kind::Text:
        return QStringLiteral("text:") + value.text;
    case Kind::Integer:
        return QStringLiteral("number:") + QString::number(value.number);
    case Kind::Other:
        break;
    }
    switch (value.meant) {
    case Kind::Text:
        return QStringLiteral("other meant text");
    case Kind::Integer:
        return QStringLiteral("other meant number");
    case Kind::Other:
        break;
    }
    return QStringLiteral("other");
}

// Every value of a parsed file, in order, as "name -> description".
QStringList valuesOf(const RegistryFile &file)
{
    QStringList values;
    for (const RegistryFileEntry &entry : file.entries)
        if (entry.isValue)
            values << entry.value.name + QStringLiteral(" -> ") + describe(entry.value);
    return values;
}

} // namespace

class TestRegistryValueCodec : public QObject
{
    Q_OBJECT

private slots:
    // The data after "=" and what it holds.
    void dataIsDecodedByItsType_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("value");
        QTest::newRow("text") << "\"Arial\""
                              << "text:Arial";
        QTest::newRow("empty text") << "\"\""
                                    << "text:";
        QTest::newRow("escapes") << "\"C:\\\\a\\\"b\\\"\""
                                 << "text:C:\\a\"b\"";
        QTest::newRow("unknown escape") << "\"C:\\Daten\""
                                        << "other meant text";
        QTest::newRow("escape at the end") << "\"a\\"
                                           << "other meant text";
        QTest::newRow("unterminated text") << "\"abc"
                                           << "other meant text";
        QTest::newRow("text with tail") << "\"abc\" x"
                                        << "other meant text";
        QTest::newRow("dword") << "dword:0000000a"
                               << "number:10";
        QTest::newRow("short dword, capitals") << "DWORD:A"
                                               << "number:10";
        QTest::newRow("largest dword") << "dword:ffffffff"
                                       << "number:4294967295";
        QTest::newRow("dword with letters") << "dword:xyz"
                                            << "other meant number";
        QTest::newRow("dword too long") << "dword:123456789"
                                        << "other meant number";
        QTest::newRow("dword with sign") << "dword:+1"
                                         << "other meant number";
        QTest::newRow("empty dword") << "dword:"
                                     << "other meant number";
        QTest::newRow("hex(1)") << "hex(1):31,00,00,00"
                                << "text:1";
        QTest::newRow("hex(1) without zero") << "hex(1):31,00"
                                             << "text:1";
        QTest::newRow("hex(2), blanks") << "hex(2): 25 , 00 ,00,00"
                                        << "text:%";
        QTest::newRow("odd hex(1)") << "hex(1):31,00,00"
                                    << "other meant text";
        QTest::newRow("hex(4)") << "hex(4):0a,00,00,80"
                                << "number:2147483658";
        QTest::newRow("hex(4) of 3 bytes") << "hex(4):0a,00,00"
                                           << "other meant number";
        QTest::newRow("hex item of three digits") << "hex(4):0a,00,00,100"
                                                  << "other meant number";
        QTest::newRow("hex item with sign") << "hex(4):+a,00,00,00"
                                            << "other meant number";
        QTest::newRow("hex item missing") << "hex(4):0a,,00,00,00"
                                          << "other meant number";
        QTest::newRow("binary") << "hex:01,02"
                                << "other";
        QTest::newRow("multi-string") << "hex(7):00,00"
                                      << "other";
        QTest::newRow("hex type too long") << "hex(123456789abc):00"
                                           << "other";
        QTest::newRow("hex type not hex") << "hex(x):00"
                                          << "other";
        QTest::newRow("nothing") << ""
                                 << "other";
        QTest::newRow("a word") << "yes"
                                << "other";
    }

    void dataIsDecodedByItsType()
    {
        QFETCH(QString, data);
        QFETCH(QString, value);
        RegistryFileValue decoded;
        decoded.text = QStringLiteral("left over");
        decoded.number = 7;
        DecodeValueData(data, decoded);
        QCOMPARE(describe(decoded), value);
    }

    // Values as they are written, and that the line gives them back.
    void valuesAreWrittenOnOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // null: the value is the number
        QTest::addColumn<quint32>("number");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("text") << "FontName"
                              << "Arial" << 0u << QByteArray("\"FontName\"=\"Arial\"");
        QTest::newRow("default value") << ""
                                       << "x" << 0u << QByteArray("@=\"x\"");
        QTest::newRow("escaped name and text")
            << "a\"b\\"
            << "C:\\\"neu\"" << 0u << QByteArray("\"a\\\"b\\\\\"=\"C:\\\\\\\"neu\\\"\"");
        QTest::newRow("umlauts") << "V"
                                 << "Jänner" << 0u << QString("\"V\"=\"Jänner\"").toUtf8();
        QTest::newRow("line break as hex(1)")
            << "V"
            << "a\r\nb" << 0u << QByteArray("\"V\"=hex(1):61,00,0d,00,0a,00,62,00,00,00");
        QTest::newRow("broken surrogate as hex(1)")
            << "V" << QString(QChar(0xD800)) << 0u << QByteArray("\"V\"=hex(1):00,d8,00,00");
        QTest::newRow("number") << "N" << QString() << 10u << QByteArray("\"N\"=dword:0000000a");
        QTest::newRow("all bits") << "N" << QString() << 0xFFFFFFFFu
                                  << QByteArray("\"N\"=dword:ffffffff");
    }

    void valuesAreWrittenOnOneLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(quint32, number);
        QFETCH(QByteArray, line);
        RegistryFileValue value;
        value.name = name;
        value.kind = text.isNull() ? Kind::Integer : Kind::Text;
        value.text = text;
        value.number = number;
        QCOMPARE(EncodeValueLine(value), line);

        QString readName;
        QStringView data;
        const QString lineText = QString::fromUtf8(line);
        QVERIFY(SplitValueLine(lineText, readName, data));
        QCOMPARE(readName, name);
        RegistryFileValue back;
        DecodeValueData(data, back);
        QCOMPARE(describe(back), describe(value));
    }

    void valueLinesAreSplitAtTheEqualsSign_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("isValue");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("data");
        QTest::newRow("plain") << "\"A\"=\"1\"" << true << "A"
                               << "\"1\"";
        QTest::newRow("blanks around") << "  \"A\" =\t\"1\"  " << true << "A"
                                       << "\"1\"";
        QTest::newRow("default") << "@=dword:1" << true << ""
                                 << "dword:1";
        QTest::newRow("nothing after =") << "\"A\"=" << true << "A"
                                         << "";
        QTest::newRow("unquoted name") << "A=\"1\"" << false << ""
                                       << "";
        QTest::newRow("no =") << "\"A\" \"1\"" << false << ""
                              << "";
        QTest::newRow("name unterminated") << "\"A=1" << false << ""
                                           << "";
        QTest::newRow("comment") << "; \"A\"=\"1\"" << false << ""
                                 << "";
    }

    void valueLinesAreSplitAtTheEqualsSign()
    {
        QFETCH(QString, line);
        QFETCH(bool, isValue);
        QFETCH(QString, name);
        QFETCH(QString, data);
        QString readName;
        QStringView readData;
        QCOMPARE(SplitValueLine(line, readName, readData), isValue);
        if (isValue) {
            QCOMPARE(readName, name);
            QCOMPARE(readData.toString(), data);
        }
    }

    // Whole key files: the values they hold, and that writing them and
    // reading them again gives the same values and the same file.
    void continuedHexDataSurvivesWriting_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("continued over two lines")
            << QByteArray("\"L\"=hex(1):4c,00,\\\n  61,00,00,00\n") << QStringList{"L -> text:La"};
        QTest::newRow("continued over three lines")
            << QByteArray("\"L\"=hex(4):0a,\\\n00,\\\n00,00\n\"B\"=\"b\"\n")
            << QStringList{"L -> number:10", "B -> text:b"};
        QTest::newRow("stray backslash before a value")
            << QByteArray("\"L\"=hex(1):4c,00,\\\n\"B\"=\"b\"\n")
            << QStringList{"L -> other meant text", "B -> text:b"};
        QTest::newRow("stray backslash before a blank line")
            << QByteArray("\"L\"=hex(4):0a,00,00,00,\\\n\n  01\n\"B\"=\"b\"\n")
            << QStringList{"L -> other meant number", "B -> text:b"};
        QTest::newRow("double backslash at the end of the file")
            << QByteArray("\"X\"=hex:40,00,\\\\") << QStringList{"X -> other"};
        QTest::newRow("double backslash after a line that is no text")
            << QByteArray("\x01 Eendi\xEF\xBB r\"Edi\xEF\xBB r\"Eq\r\n\"X\"=hex:40,00,\\\\")
            << QStringList{"X -> other"};
        QTest::newRow("continuation that is no text")
            << QByteArray("\"L\"=hex(1):4c,00,\\\n\xFF\xFE\n\"B\"=\"b\"\n")
            << QStringList{"L -> other meant text", "B -> text:b"};
    }

    void continuedHexDataSurvivesWriting()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, values);
        const RegistryFile parsed = ParseRegistryFile(file, keyName);
        QCOMPARE(valuesOf(parsed), values);
        const QByteArray written = FormatRegistryFile(parsed, keyName);
        const RegistryFile reread = ParseRegistryFile(written, keyName);
        QCOMPARE(valuesOf(reread), values);
        QCOMPARE(FormatRegistryFile(reread, keyName), written);
    }
};

QTEST_GUILESS_MAIN(TestRegistryValueCodec)
#include "tst_registryvaluecodec.moc"
