#pragma once

#include <QObject>
#include <QSet>

class QEventLoop;

// The keys the learner holds down, as the application receives them. A
// window that opens or closes while the key that caused it is still down is
// missed by Orca: it takes the active window anew from the key's release,
// some time after the program has seen it, and then ignores the window's own
// activation; so a message box opened by Enter on the box before was
// announced by its button alone, and the entry editor not at all.
class HeldKeys : public QObject
{
public:
    // Watches the application's key events from now on.
    void watch();
    // When a key is down: runs events until it is up again (for at most half
    // a second) and then a moment longer, so a screen reader has taken the
    // release before the next window comes or goes. Nothing when no key is
    // down, as after a click.
    void settle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void runEvents(int ms, bool untilReleased);

    bool m_watching = false;
    QSet<quint32> m_held; // by the key's place on the keyboard
    QEventLoop *m_waiting = nullptr;
};
