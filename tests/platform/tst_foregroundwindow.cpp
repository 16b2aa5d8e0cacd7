#include "platform/ForegroundWindow.h"

#include <QTest>

namespace {

// A window system that records what is asked of it.
class FakeWindows final : public TopLevelWindows
{
public:
    bool minimised = false;
    bool foreground = false;
    bool grantsActivation = true;
    QStringList calls;

    bool List(std::vector<TopLevelWindow> &) override { return false; }
    bool IsMinimised(WindowId) override { return minimised; }
    bool Restore(WindowId) override
    {
        calls << "Restore";
        minimised = false;
        return true;
    }
    bool IsForeground(WindowId) override { return foreground; }
    bool BringToFront(WindowId) override
    {
        calls << "BringToFront";
        foreground = grantsActivation;
        return true;
    }
};

} // namespace

class TestForegroundWindow : public QObject
{
    Q_OBJECT

private slots:
    void forceForegroundWindow_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::addColumn<bool>("foreground");
        QTest::addColumn<bool>("grantsActivation");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<bool>("result");
        QTest::newRow("behind others")
            << false << false << true << QStringList{"BringToFront"} << true;
        QTest::newRow("minimised")
            << true << false << true << QStringList{"Restore", "BringToFront"} << true;
        QTest::newRow("in front already") << false << true << true << QStringList{} << true;
        QTest::newRow("minimised in front")
            << true << true << true << QStringList{"Restore"} << true;
        QTest::newRow("activation refused")
            << false << false << false << QStringList{"BringToFront"} << false;
    }

    void forceForegroundWindow()
    {
        QFETCH(bool, minimised);
        QFETCH(bool, foreground);
        QFETCH(bool, grantsActivation);
        QFETCH(QStringList, calls);
        QFETCH(bool, result);
        FakeWindows windows;
        windows.minimised = minimised;
        windows.foreground = foreground;
        windows.grantsActivation = grantsActivation;
        QCOMPARE(ForceForegroundWindow(windows, 42), result);
        QCOMPARE(windows.calls, calls);
        QVERIFY(!windows.minimised);
    }
};

QTEST_GUILESS_MAIN(TestForegroundWindow)
#include "tst_foregroundwindow.moc"
