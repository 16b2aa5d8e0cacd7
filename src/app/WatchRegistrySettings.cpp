#include "app/WatchRegistrySettings.h"

#include "app/RegistrySettings.h"
#include "base/TrimBlanks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

void HandOverWindow::WMCopyData(const QString &) {}

TWatchRegistrySettings::TWatchRegistrySettings(QObject *AAppHandle, HandOverWindow &window,
                                               CurrentUserRegistry &registry,
                                               const QString &AAppName)
    : FAppHandle(AAppHandle)
    , FWindow(window)
    , FRegistry(registry)
    , FAppName(AAppName)
{
    start();
}

TWatchRegistrySettings::~TWatchRegistrySettings()
{
    Terminate();
    WaitFor();
}

void TWatchRegistrySettings::Terminate()
{
    QMutexLocker lock(&FMutex);
    FTerminated = true;
    FWake.wakeAll();
}

void TWatchRegistrySettings::WaitFor()
{
    // The watcher may be blocked in a call to the window, which only this
    // thread can deliver: deliver it while waiting.
    while (!wait(QDeadlineTimer(5)))
        QCoreApplication::sendPostedEvents(FAppHandle, QEvent::MetaCall);
}

bool TWatchRegistrySettings::Pause()
{
    QMutexLocker lock(&FMutex);
    for (int slice = 0; slice < 4; ++slice) {
        if (FTerminated)
            return false;
        FWake.wait(&FMutex, QDeadlineTimer(25));
    }
    return !FTerminated;
}

void TWatchRegistrySettings::run()
{
    TRegistrySettings settings;
    ReadRegistrySettings(FRegistry, FAppName, settings);
    while (Pause()) {
        if (!ReadRegistrySettings(FRegistry, FAppName, settings))
            continue;
        // One request per poll; those of lower priority read with it are gone.
        if (!settings.Parameters.isEmpty())
            SendParameters(settings.Parameters);
        else if (!settings.SetFocus.isEmpty())
            Send(&HandOverWindow::WMProgramSetFocus);
        else if (!settings.Close.isEmpty())
            Send(&HandOverWindow::WMProgramClose);
        if (!Pause())
            break;
    }
}

void TWatchRegistrySettings::SendParameters(const QString &text)
{
    const QString trimmed = trimmedBlanks(text);
    if (trimmed.isEmpty())
        return;
    QMetaObject::invokeMethod(
        FAppHandle, [this, trimmed] { FWindow.WMCopyData(trimmed); }, Qt::BlockingQueuedConnection);
}

void TWatchRegistrySettings::Send(void (HandOverWindow::*message)())
{
    QMetaObject::invokeMethod(
        FAppHandle, [this, message] { (FWindow.*message)(); }, Qt::BlockingQueuedConnection);
}
