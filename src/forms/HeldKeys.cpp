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

void HeldKeys::settle()
{
    if (m_held.isEmpty() || m_waiting)
        return;
    runEvents(500, true);
    // A key released outside the program is never seen here.
    m_held.clear();
    // Measured with Orca 43: it takes the release up to about a quarter of a
    // second after the program on a busy machine.
    runEvents(300, false);
}

void HeldKeys::runEvents(int ms, bool untilReleased)
{
    QEventLoop loop;
    if (untilReleased)
        m_waiting = &loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    m_waiting = nullptr;
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
