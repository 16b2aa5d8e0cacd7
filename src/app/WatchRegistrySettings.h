#pragma once

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>

class CurrentUserRegistry;

// What the running instance's main window does with a hand-over request.
// The watcher calls these on the window's own thread and waits until they
// have returned.
class HandOverWindow
{
public:
    virtual ~HandOverWindow() = default;
    // A parameters text (trimmed, never empty). A window without a use for
    // it leaves it alone: the default does nothing.
    virtual void WMCopyData(const QString &text);
    // Bring the program's windows to the front.
    virtual void WMProgramSetFocus() = 0;
    // Close the program as if File, Exit were chosen.
    virtual void WMProgramClose() = 0;
};

// Polls the hand-over key about every 100 ms and acts on one request per
// poll, by priority: parameters, then set focus, then close. Requests that
// were waiting before the watcher started are discarded unanswered. The
// thread starts at once. Its owner stops it with Terminate and WaitFor on
// the window's thread before the window goes; destroying it does the same.
class TWatchRegistrySettings final : public QThread
{
public:
    // AAppHandle is the window's object: the calls to window run on its thread.
    TWatchRegistrySettings(QObject *AAppHandle, HandOverWindow &window,
                           CurrentUserRegistry &registry, const QString &AAppName);
    ~TWatchRegistrySettings() override;

    void Terminate();
    // Waits for the thread to end. A request on its way to the window is
    // delivered meanwhile, so neither thread waits for the other forever.
    void WaitFor();

protected:
    void run() override;

private:
    // Four slices of 25 ms, the terminate flag tested before each; false
    // once it is set.
    bool Pause();
    void SendParameters(const QString &text);
    void Send(void (HandOverWindow::*message)());

    QObject *const FAppHandle;
    HandOverWindow &FWindow;
    CurrentUserRegistry &FRegistry;
    const QString FAppName;

    QMutex FMutex;
    QWaitCondition FWake;
    bool FTerminated = false;
};
