#pragma once

#include <QAccessible>
#include <QAccessibleEvent>
#include <QList>
#include <QPointer>
#include <QString>

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

// What a screen reader is told about focus changes. Offscreen, Qt reports
// accessibility events only once the platform's accessibility is active;
// the handler then receives every event instead of the platform.
namespace AccessibilityRecorder {

struct FocusEvent
{
    QPointer<QObject> object;
    QString name;
    QString value;
};

inline QList<FocusEvent> &focusEvents()
{
    static QList<FocusEvent> events;
    return events;
}

// Every event in the order a screen reader gets them.
struct Event
{
    QAccessible::Event type;
    QPointer<QObject> object;
};

inline QList<Event> &allEvents()
{
    static QList<Event> events;
    return events;
}

inline void record(QAccessibleEvent *event)
{
    allEvents().append({event->type(), event->object()});
    if (event->type() != QAccessible::Focus)
        return;
    QAccessibleInterface *iface = event->accessibleInterface();
    focusEvents().append({event->object(), iface ? iface->text(QAccessible::Name) : QString(),
                          iface ? iface->text(QAccessible::Value) : QString()});
}

// False when the platform offers no accessibility to switch on.
inline bool switchOn()
{
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform)
        return false;
    platform->setActive(true);
    QAccessible::installUpdateHandler(record);
    return QAccessible::isActive();
}

} // namespace AccessibilityRecorder
