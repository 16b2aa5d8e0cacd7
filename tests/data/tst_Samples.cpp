#include "data/text/TextDateiLesen.h"
#include "data/text/TextDateiSchreiben.h"
#include "data/text/Utf8Erkennen.h"
#include "data/vocab/DatenEinlesen.h"

#include "support/RecordingMessageDialog.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// The sample vocabulary files shipped beside the program.
class TestSamples : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachFileLoads_data();
    void eachFileLoads();
    void theEncodingsAreAllThere();

private:
    QStringList samples;
};

void TestSamples::initTestCase()
{
    const QDir folder(QStringLiteral(LW_SAMPLE_DIR));
    for (const QString &name : folder.entryList({"*.dat"}, QDir::Files, QDir::Name))
        samples.append(folder.filePath(name));
    QVERIFY(samples.size() >= 4);
}

void TestSamples::eachFileLoads_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &path : std::as_const(samples))
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

void TestSamples::eachFileLoads()
{
    QFETCH(QString, path);
    Eintragslisten listen;
    listen.Dateien = QStringList{path};
    RecordingMessageDialog dialog;
    DatenEinlesen(listen, dialog);
    QVERIFY(dialog.messages.isEmpty());
    QVERIFY2(listen.MaxAnz >= 30 && listen.MaxAnz <= 60,
             qPrintable(QString::number(listen.MaxAnz)));
    for (const QString &side : std::as_const(listen.Daten)) {
        QVERIFY(!side.isEmpty());
        QVERIFY2(!side.contains(QChar::ReplacementCharacter) && !side.contains(u'\u00C3'),
                 qPrintable(side));
    }
    const QString title = Utf8Erkennen(TextDateiLesen(path)).section(QStringLiteral("\r\n"), 0, 0);
    QCOMPARE(title, QFileInfo(path).completeBaseName());
}

void TestSamples::theEncodingsAreAllThere()
{
    int utf16AsWritten = 0;
    int utf8WithoutMark = 0;
    int eightBit = 0;
    QTemporaryDir dir;
    for (const QString &path : std::as_const(samples)) {
        const QByteArray bytes = readTestFile(path);
        if (bytes.startsWith("\xFF\xFE")) {
            // Exactly as the program writes vocabulary files.
            TextDateiSchreiben(dir.filePath("copy.dat"), TextDateiLesen(path));
            QCOMPARE(readTestFile(dir.filePath("copy.dat")), bytes);
            ++utf16AsWritten;
        } else if (textKindOf(bytes) == TextKind::EightBit) {
            const Utf8TestResult result = utf8Test(bytes);
            utf8WithoutMark += result == Utf8TestResult::Utf8;
            eightBit += result == Utf8TestResult::NotUtf8;
        }
    }
    QVERIFY(utf16AsWritten >= 1);
    QVERIFY(utf8WithoutMark >= 1);
    QVERIFY(eightBit >= 1);
}

QTEST_GUILESS_MAIN(TestSamples)
#include "tst_Samples.moc"
