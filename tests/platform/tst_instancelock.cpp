#include "platform/InstanceLock.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const std::u16string lockName = u"Lernwendel V1.23";

const char *stateName(InstanceLockState state)
{
    switch (state) {
    case InstanceLockState::Acquired:
        return "Acquired";
    case InstanceLockState::HeldElsewhere:
        return "HeldElsewhere";
    case InstanceLockState::Failed:
        break;
    }
    return "Failed";
}

// Run as a second process: takes the lock, tells its state, and keeps the
// lock until its input ends.
int holdLock()
{
    InstanceLockState state;
    const auto lock = InstanceLock::Create(lockName, state);
    std::cout << stateName(state) << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return 0;
}

} // namespace

class TestInstanceLock : public QObject
{
    Q_OBJECT

    QTemporaryDir m_runtime;

    // Starts a process that takes the lock and keeps it; its first line is
    // the state it got.
    std::unique_ptr<QProcess> startHolder(QByteArray &state)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QCoreApplication::applicationFilePath(), {"--hold-lock"});
        if (!process->waitForStarted() || !process->waitForReadyRead(30000))
            return nullptr;
        state = process->readLine().trimmed();
        return process;
    }

    static void endHolder(QProcess &process)
    {
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
    }

    QByteArray stateInOtherProcess()
    {
        QByteArray state;
        auto holder = startHolder(state);
        if (holder)
            endHolder(*holder);
        return state;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void onlyOneProcessHoldsTheLock()
    {
        InstanceLockState state;
        auto lock = InstanceLock::Create(lockName, state);
        QCOMPARE(state, InstanceLockState::Acquired);
        QVERIFY(lock);
        QVERIFY(QFile::exists(m_runtime.path() + "/Lernwendel V1.23"));
        QCOMPARE(stateInOtherProcess(), QByteArray("HeldElsewhere"));

        lock.reset();
        QCOMPARE(stateInOtherProcess(), QByteArray("Acquired"));
    }

    void aLockHeldByAnotherProcessIsReported()
    {
        QByteArray held;
        auto holder = startHolder(held);
        QVERIFY(holder);
        QCOMPARE(held, QByteArray("Acquired"));
        InstanceLockState state;
        QVERIFY(!InstanceLock::Create(lockName, state));
        QCOMPARE(state, InstanceLockState::HeldElsewhere);

        endHolder(*holder);
        auto lock = InstanceLock::Create(lockName, state);
        QCOMPARE(state, InstanceLockState::Acquired);
    }

    // A program started by the running instance (the update program, an
    // editor) must not keep the lock once the instance has ended.
    void programsWeStartDoNotInheritTheLock()
    {
        InstanceLockState state;
        auto lock = InstanceLock::Create(lockName, state);
        QCOMPARE(state, InstanceLockState::Acquired);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--wait"});
        QVERIFY(child.waitForStarted());
        lock.reset();
        QCOMPARE(stateInOtherProcess(), QByteArray("Acquired"));
        child.closeWriteChannel();
        QVERIFY(child.waitForFinished(30000));
    }

    void aNameWithASlashStaysInTheFolder()
    {
        InstanceLockState state;
        auto lock = InstanceLock::Create(u"a/../b", state);
        QCOMPARE(state, InstanceLockState::Acquired);
        QVERIFY(QFile::exists(m_runtime.path() + "/a_.._b"));
    }
};

int main(int argc, char *argv[])
{
    if (argc == 2 && std::string(argv[1]) == "--hold-lock")
        return holdLock();
    if (argc == 2 && std::string(argv[1]) == "--wait") {
        std::string line;
        std::getline(std::cin, line);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TestInstanceLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_instancelock.moc"
