#include "app/BringFormsToFront.h"

#include "platform/ForegroundWindow.h"

#include <QSet>
#include <QWidget>

namespace {

void bringToFront(TopLevelWindows &windows, QWidget *form, QSet<QWidget *> &done)
{
    if (!form || !form->isWindow() || !form->isVisible() || done.contains(form))
        return;
    done.insert(form);
    if (form->isMinimized())
        form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->raise();
    form->activateWindow();
    ForceForegroundWindow(windows, WindowId(form->winId()));
    for (QObject *child : form->children()) {
        QWidget *owned = qobject_cast<QWidget *>(child);
        if (owned && owned->isWindow())
            bringToFront(windows, owned, done);
    }
}

} // namespace

void BringFormsToFront(TopLevelWindows &windows, const QList<QWidget *> &forms)
{
    QSet<QWidget *> done;
    for (QWidget *form : forms)
        bringToFront(windows, form, done);
}
