#include "support/FakeRegistry.h"

#include "app/RegistrySettings.h"
#include "app/WatchRegistrySettings.h"

#include <QTest>

namespace {

// The main window as far as the watcher sees it: records each request and
// on which side of a shut-down it arrived.
class FakeWindow final : public QObject, public HandOverWindow
{
public:
    QStringList actions;
    bool stopping = false;

    void WMCopyData(const QString &text) override { record("Parameters:" + text); }
    void WMProgramSetFocus() override { record("SetFocus"); }
    void WMProgramClose() override { record("Close"); }

private:
    void record(const QString &action)
    {
        QVERIFY(QThread::currentThread() == thread());
        actions << (stopping ? action + " while stopping" : action);
    }
};

} // namespace

class TestHandOver : public QObject
{
    Q_OBJECT

private slots:
    void records()
    {
        TRegistrySettings settings;
        const TRegistrySettings copy = settings.SetData("p", "s", "c");
        QCOMPARE(copy.Parameters, "p");
        QCOMPARE(copy.SetFocus, "s");
        QCOMPARE(copy.Close, "c");
        QCOMPARE(settings.Close, "c");

        const TRegistrySettings focus = TRegistrySettings::rsSetFocus(QString());
        QCOMPARE(focus.SetFocus, "1");
        QVERIFY(focus.Parameters.isEmpty() && focus.Close.isEmpty());
        QCOMPARE(TRegistrySettings::rsSetFocus("x").SetFocus, "x");
        const TRegistrySettings close = TRegistrySettings::rsClose(QString());
        QCOMPARE(close.Close, "1");
        QVERIFY(close.Parameters.isEmpty() && close.SetFocus.isEmpty());
        QCOMPARE(TRegistrySettings::rsClose("y").Close, "y");
    }

    void parametersFromTheCommandLine_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("parameters");
        QTest::newRow("given text wins") << "abc" << QStringList{"x"} << "abc";
        QTest::newRow("joined with bars") << "" << QStringList{"a", "b", "c"} << "a|b|c";
        QTest::newRow("trimmed") << ""
                                 << QStringList{" a\t",
                                                "\x01"
                                                "b "}
                                 << "a|b";
        QTest::newRow("empty ones left out") << "" << QStringList{"a", "  ", "c"} << "a|c";
        QTest::newRow("empty last one keeps the bar") << "" << QStringList{"a", " "} << "a|";
        QTest::newRow("no arguments") << "" << QStringList{} << "";
    }

    void parametersFromTheCommandLine()
    {
        QFETCH(QString, given);
        QFETCH(QStringList, arguments);
        QFETCH(QString, parameters);
        const TRegistrySettings settings = TRegistrySettings::rsParameters(given, arguments);
        QCOMPARE(settings.Parameters, parameters);
        QVERIFY(settings.SetFocus.isEmpty() && settings.Close.isEmpty());
    }

    void writingLeavesTheNonEmptyFieldsInOrder()
    {
        FakeRegistry registry;
        QVERIFY(WriteRegistrySettings(registry, HandOverKeyName, TRegistrySettings()));
        QCOMPARE(registry.Content(HandOverKeyName), QStringList{"<absent>"});

        TRegistrySettings settings;
        settings.SetData("", "1", "1");
        QVERIFY(WriteRegistrySettings(registry, HandOverKeyName, settings));
        settings.SetData("p", "", "");
        QVERIFY(WriteRegistrySettings(registry, HandOverKeyName, settings));
        QCOMPARE(registry.Content(HandOverKeyName),
                 (QStringList{"ProgramSetFocus=1", "ProgramClose=1", "ProgramParameters=p"}));

        registry.FailOn("WriteText ProgramSetFocus");
        QVERIFY(
            !WriteRegistrySettings(registry, HandOverKeyName, TRegistrySettings::rsSetFocus("2")));
        registry.FailOn("OpenKey Lernwendel");
        QVERIFY(!WriteRegistrySettings(registry, HandOverKeyName, TRegistrySettings::rsClose("")));
    }

    // A registry error ends the read: what was read before it is gone, the
    // rest stays for the next poll.
    void readingStopsAtARegistryError_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("key cannot be opened")
            << "OpenKey Lernwendel"
            << QStringList{"ProgramParameters=p", "ProgramSetFocus=1", "ProgramClose=1"};
        QTest::newRow("second value unreadable")
            << "ReadText ProgramSetFocus" << QStringList{"ProgramSetFocus=1", "ProgramClose=1"};
        QTest::newRow("second value stays")
            << "DeleteValue ProgramSetFocus" << QStringList{"ProgramSetFocus=1", "ProgramClose=1"};
        QTest::newRow("names cannot be listed") << "ValueNames Lernwendel" << QStringList{};
        QTest::newRow("key cannot be deleted") << "DeleteKey Lernwendel" << QStringList{};
    }

    void readingStopsAtARegistryError()
    {
        QFETCH(QString, failure);
        QFETCH(QStringList, left);
        FakeRegistry registry;
        registry.Put(HandOverKeyName,
                     {"ProgramParameters=p", "ProgramSetFocus=1", "ProgramClose=1"});
        registry.FailOn(failure);
        TRegistrySettings settings;
        QVERIFY(!ReadRegistrySettings(registry, HandOverKeyName, settings));
        QCOMPARE(registry.Content(HandOverKeyName), left);
    }

    // What a running watcher does with the hand-over key: values written
    // before it started, then values written after its first poll.
    void watcherActsOnOneRequestPerPoll_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("left");
        const QStringList none;
        const QStringList absent{"<absent>"};
        QTest::newRow("set focus")
            << none << QStringList{"ProgramSetFocus=1"} << QStringList{"SetFocus"} << absent;
        QTest::newRow("close") << none << QStringList{"ProgramClose=1"} << QStringList{"Close"}
                               << absent;
        QTest::newRow("parameters first, the rest dropped")
            << none << QStringList{"ProgramClose=1", "ProgramSetFocus=1", "ProgramParameters=a"}
            << QStringList{"Parameters:a"} << absent;
        QTest::newRow("set focus before close")
            << none << QStringList{"ProgramClose=1", "ProgramSetFocus=1"} << QStringList{"SetFocus"}
            << absent;
        QTest::newRow("any text counts")
            << none << QStringList{"ProgramClose=0"} << QStringList{"Close"} << absent;
        QTest::newRow("parameters trimmed") << none << QStringList{"ProgramParameters= a b\t"}
                                            << QStringList{"Parameters:a b"} << absent;
        QTest::newRow("empty values consumed, nothing done")
            << none << QStringList{"ProgramSetFocus=", "ProgramClose="} << none << absent;
        QTest::newRow("blank parameters send nothing and still win")
            << none << QStringList{"ProgramParameters=  ", "ProgramSetFocus=1"} << none << absent;
        QTest::newRow("foreign values keep the key")
            << none << QStringList{"Other=x", "ProgramSetFocus=1"} << QStringList{"SetFocus"}
            << QStringList{"Other=x"};
        QTest::newRow("requests from before the start discarded")
            << QStringList{"ProgramSetFocus=1", "ProgramClose=1"} << none << none << absent;
        QTest::newRow("foreign value from before the start stays")
            << QStringList{"Other=x", "ProgramClose=1"} << none << none << QStringList{"Other=x"};
        QTest::newRow("wrong type stays with those after it")
            << none << QStringList{"ProgramSetFocus:dword=1", "ProgramClose=1"} << none
            << QStringList{"ProgramSetFocus:dword=1", "ProgramClose=1"};
        QTest::newRow("wrong type after a request loses the request")
            << none << QStringList{"ProgramParameters=p", "ProgramClose:dword=1"} << none
            << QStringList{"ProgramClose:dword=1"};
    }

    void watcherActsOnOneRequestPerPoll()
    {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QFETCH(QStringList, actions);
        QFETCH(QStringList, left);
        FakeRegistry registry;
        if (!before.isEmpty())
            registry.Put(HandOverKeyName, before);
        FakeWindow window;
        TWatchRegistrySettings watcher(&window, window, registry, HandOverKeyName);
        QTRY_VERIFY_WITH_TIMEOUT(registry.Sessions() >= 1, 30000);
        if (!after.isEmpty())
            registry.Put(HandOverKeyName, after);
        // The second poll after the write has begun, so the poll that saw
        // the write has acted.
        const int written = registry.Sessions();
        QTRY_VERIFY_WITH_TIMEOUT(registry.Sessions() >= written + 2, 30000);
        watcher.Terminate();
        watcher.WaitFor();
        QCOMPARE(window.actions, actions);
        QCOMPARE(registry.Content(HandOverKeyName), left);
    }

    // The watcher is blocked handing a request to the window when the window
    // stops it: the request is delivered and both threads go on.
    void stoppingWhileARequestIsUnderWay()
    {
        FakeRegistry registry;
        FakeWindow window;
        TWatchRegistrySettings watcher(&window, window, registry, HandOverKeyName);
        QVERIFY(registry.WaitForSessions(1));
        registry.Put(HandOverKeyName, {"ProgramSetFocus=1"});
        // No events run from here on: the watcher's call waits for WaitFor.
        for (;;) {
            const int seen = registry.Sessions();
            if (registry.Content(HandOverKeyName) == QStringList{"<absent>"})
                break;
            QVERIFY(registry.WaitForSessions(seen + 1));
        }
        window.stopping = true;
        watcher.Terminate();
        watcher.WaitFor();
        QVERIFY(watcher.isFinished());
        QCOMPARE(window.actions, QStringList{"SetFocus while stopping"});
    }
};

QTEST_GUILESS_MAIN(TestHandOver)
#include "tst_handover.moc"
