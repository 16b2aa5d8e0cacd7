#pragma once

#include <QObject>
#include <QSet>

class QEventLoop;

// The keys the learner holds down, as the application receives them. A
// window that opens while the key that called it is still down is missed by
// a screen reader: Orca takes the new active window from the key's release
// and then ignores the window's own activation, so a message box opened by
// Enter on the box before it is announced by its button alone.
class HeldKeys : public QObject
{
public:
    // Watches the application's key events from now on.
    void watch();
    // Runs events until every key is up again, for at most maxMs.
    void waitUntilReleased(int maxMs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_watching = false;
    QSet<quint32> m_held; // by the key's place on the keyboard
    QEventLoop *m_waiting = nullptr;
};
