#include "app/RegistrySettings.h"
#include "app/WatchRegistrySettings.h"
#include "platform/linux/FileRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace {

constexpr int requestCount = 150;

// Run as a second process: sends requests 1, 2, ... count, each with all
// three values set to its number, at a ragged pace. Before each it checks
// that the key, where it exists, holds a request: a watcher that emptied it
// also deletes it in the same breath.
int writeRequests(const QString &root, int count)
{
    FileRegistry registry(root.toStdU16String());
    QRandomGenerator random(count);
    for (int n = 1; n <= count; ++n) {
        std::unique_ptr<RegistryKey> key;
        if (registry.OpenKey(HandOverKeyName.toStdU16String(), false, key) == RegistryResult::Ok) {
            std::vector<std::u16string> names;
            if (key->ValueNames(names) != RegistryResult::Ok || names.empty())
                return 2;
        }
        key.reset();
        const QString number = QString::number(n);
        if (!WriteRegistrySettings(registry, HandOverKeyName,
                                   TRegistrySettings().SetData(number, number, number)))
            return 3;
        QThread::usleep(random.bounded(2000));
    }
    return 0;
}

class RecordingWindow final : public QObject, public HandOverWindow
{
public:
    QStringList actions;
    void WMCopyData(const QString &text) override { actions << text; }
    void WMProgramSetFocus() override { actions << "SetFocus"; }
    void WMProgramClose() override { actions << "Close"; }
};

} // namespace

class TestHandOverWriter : public QObject
{
    Q_OBJECT

private slots:
    // Another process sends requests as fast as it likes while the watcher
    // polls: each poll sees whole requests only (a half-read one would come
    // out as "SetFocus" or "Close"), later ones overwrite waiting ones, the
    // last one arrives, and the key is gone in the end.
    void requestsFromAnotherProcess()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        FileRegistry registry(root.path().toStdU16String());
        const QString keyFile = root.path() + "/HKEY_CURRENT_USER/Lernwendel.reg";
        QVERIFY(WriteRegistrySettings(registry, HandOverKeyName,
                                      TRegistrySettings::rsClose(QString())));

        RecordingWindow window;
        TWatchRegistrySettings watcher(&window, window, registry, HandOverKeyName);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(keyFile), 30000);
        QVERIFY(window.actions.isEmpty()); // the request from before the start is discarded

        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedChannels);
        writer.start(QCoreApplication::applicationFilePath(),
                     {"--write", root.path(), QString::number(requestCount)});
        QTRY_VERIFY_WITH_TIMEOUT(writer.state() == QProcess::NotRunning, 120000);
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer.exitCode(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(keyFile), 30000);
        watcher.Terminate();
        watcher.WaitFor();

        QVERIFY(!window.actions.isEmpty());
        int previous = 0;
        for (const QString &action : window.actions) {
            bool isNumber = false;
            const int n = action.toInt(&isNumber);
            QVERIFY2(isNumber && n > previous, qPrintable(window.actions.join(' ')));
            previous = n;
        }
        QCOMPARE(previous, requestCount);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 4 && std::string(argv[1]) == "--write")
        return writeRequests(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    QCoreApplication app(argc, argv);
    TestHandOverWriter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_handoverwriter.moc"
