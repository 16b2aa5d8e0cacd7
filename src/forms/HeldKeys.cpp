#include "forms/HeldKeys.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>

void HeldKeys::watch()
{
    if (m_watching || !qApp)
        return;
    qApp->installEventFilter(this);
    m_watching = true;
}

void HeldKeys::waitUntilReleased(int maxMs)
{
    if (m_held.isEmpty() || m_waiting)
        return;
    QEventLoop loop;
    m_waiting = &loop;
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    loop.exec();
    m_waiting = nullptr;
    // A key released outside the program is never seen here.
    m_held.clear();
}

bool HeldKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Events from the window system carry the key's scan code; made ones
        // (tests, input methods) only its code.
        const quint32 place = key->nativeScanCode() ? key->nativeScanCode() : quint32(key->key());
        if (!key->isAutoRepeat()) {
            if (type == QEvent::KeyPress)
                m_held.insert(place);
            else
                m_held.remove(place);
        }
        if (m_held.isEmpty() && m_waiting)
            m_waiting->quit();
    } else if (type == QEvent::ApplicationDeactivate) {
        m_held.clear();
    }
    return QObject::eventFilter(watched, event);
}
