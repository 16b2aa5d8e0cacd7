#include "support/FakeRegistry.h"

#include "app/BringFormsToFront.h"
#include "app/RegistrySettings.h"
#include "app/StartUp.h"
#include "base/ProgramTitle.h"
#include "platform/linux/FileRegistry.h"

#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace {

// A window system with a fixed list; records what is brought forward.
class FakeWindows final : public TopLevelWindows
{
public:
    bool hasList = true;
    std::vector<TopLevelWindow> windows;
    std::vector<WindowId> broughtForward;

    bool List(std::vector<TopLevelWindow> &list) override
    {
        list = hasList ? windows : std::vector<TopLevelWindow>{};
        return hasList;
    }
    bool IsMinimised(WindowId) override { return false; }
    bool Restore(WindowId) override { return false; }
    bool IsForeground(WindowId) override { return false; }
    bool BringToFront(WindowId window) override
    {
        broughtForward.push_back(window);
        return true;
    }
};

std::vector<TopLevelWindow> zOrder(const QStringList &titles)
{
    std::vector<TopLevelWindow> windows;
    for (const QString &title : titles)
        windows.push_back({WindowId(windows.size()), title.toStdU16String()});
    return windows;
}

} // namespace

class TestSecondStart : public QObject
{
    Q_OBJECT

private slots:
    void findWindowByTitle_data()
    {
        QTest::addColumn<QStringList>("titles"); // the first is where the search starts
        QTest::addColumn<int>("found");
        const QString t = ProgramTitle;
        QTest::newRow("the program's window") << QStringList{"", "Editor", t} << 2;
        QTest::newRow("title ends with it") << QStringList{"", "Datei - " + t} << 1;
        QTest::newRow("first in Z order wins") << QStringList{"", "A " + t, "B " + t} << 1;
        QTest::newRow("starting window never examined") << QStringList{t} << -1;
        QTest::newRow("below the starting window") << QStringList{t, "x " + t} << 1;
        QTest::newRow("in the middle") << QStringList{"", t + " - Hilfe"} << -1;
        QTest::newRow("also earlier in the title") << QStringList{"", t + " " + t} << -1;
        QTest::newRow("letter case counts") << QStringList{"", t.toLower()} << -1;
        QTest::newRow("empty titles skipped") << QStringList{"", "", t} << 2;
        QTest::newRow("another version") << QStringList{"", "Lernwendel V1.22"} << -1;
        QTest::newRow("no windows") << QStringList{} << -1;
    }

    void findWindowByTitle()
    {
        QFETCH(QStringList, titles);
        QFETCH(int, found);
        const std::optional<WindowId> window = FindWindowByTitle(zOrder(titles), ProgramTitle);
        QCOMPARE(window ? int(*window) : -1, found);
    }

    void decisionOfAStart_data()
    {
        QTest::addColumn<InstanceLockState>("lock");
        QTest::addColumn<bool>("hasList");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QStringList>("handOver");
        const QStringList running{"", "Editor", ProgramTitle};
        const QStringList absent{"<absent>"};
        const QStringList focus{"ProgramSetFocus=1"};
        using S = InstanceLockState;
        QTest::newRow("first instance") << S::Acquired << true << running << false << absent;
        QTest::newRow("lock unavailable: run unprotected")
            << S::Failed << true << running << false << absent;
        QTest::newRow("second start finds the window")
            << S::HeldElsewhere << true << running << true << focus;
        QTest::newRow("second start finds no window")
            << S::HeldElsewhere << true << QStringList{"", "Editor"} << true << absent;
        QTest::newRow("no window list: the lock proves it")
            << S::HeldElsewhere << false << QStringList{} << true << focus;
    }

    void decisionOfAStart()
    {
        QFETCH(InstanceLockState, lock);
        QFETCH(bool, hasList);
        QFETCH(QStringList, titles);
        QFETCH(bool, ends);
        QFETCH(QStringList, handOver);
        FakeWindows windows;
        windows.hasList = hasList;
        windows.windows = zOrder(titles);
        FakeRegistry registry;
        QCOMPARE(ZweiterStart(lock, windows, registry), ends);
        QCOMPARE(registry.Content(HandOverKeyName), handOver);
        QVERIFY(windows.broughtForward.empty()); // nothing is sent to the running instance
    }

    // The whole rule between two processes: the second ends at once and
    // leaves its request (offscreen there is no window list).
    void aSecondProcessLeavesARequest()
    {
        QTemporaryDir runtime;
        QTemporaryDir config;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        const QString keyFile =
            config.path() + "/Lernwendel/registry/HKEY_CURRENT_USER/Lernwendel.reg";

        QVERIFY(!ZweiterStart());
        QVERIFY(!ZweiterStart()); // asking again keeps the lock
        QProcess second;
        second.start(QCoreApplication::applicationFilePath(), {"--start"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 1);
        FileRegistry registry(FileRegistry::DefaultRoot());
        std::unique_ptr<RegistryKey> key;
        QCOMPARE(registry.OpenKey(HandOverKeyName.toStdU16String(), false, key),
                 RegistryResult::Ok);
        std::u16string focus;
        QCOMPARE(key->ReadText(u"ProgramSetFocus", focus), RegistryResult::Ok);
        QCOMPARE(focus, u"1");
        key->DeleteKey();
        key.reset();

        ReleaseInstanceLock();
        second.start(QCoreApplication::applicationFilePath(), {"--start"});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!QFile::exists(keyFile));
    }

    void bringingFormsToFront()
    {
        QWidget mainWindow;
        QDialog dialog(&mainWindow);
        QWidget other;
        QWidget hidden;
        QDialog dialogOfHidden(&hidden);
        for (QWidget *form : {&mainWindow, static_cast<QWidget *>(&dialog), &other,
                              static_cast<QWidget *>(&dialogOfHidden)})
            form->show();
        mainWindow.showMinimized();
        FakeWindows windows;

        BringFormsToFront(windows, {&mainWindow, &hidden, &other, &dialog});
        QCOMPARE(windows.broughtForward,
                 (std::vector<WindowId>{mainWindow.winId(), dialog.winId(), other.winId()}));
        QVERIFY(!mainWindow.isMinimized());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && std::string(argv[1]) == "--start")
        return ZweiterStart() ? 1 : 0;
    QApplication app(argc, argv);
    TestSecondStart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_secondstart.moc"
