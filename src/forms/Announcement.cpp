#include "forms/Announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace {

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (auto *announcement = qobject_cast<Announcement *>(object))
        return new QAccessibleWidget(announcement, QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcement::Announcement(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
{
    static const bool factoryInstalled = (QAccessible::installFactory(notificationFactory), true);
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("Announcement"));
    m_label->setTextFormat(Qt::PlainText);
    // Heard and felt, not seen: it takes no room from the window's layout.
    setFixedSize(0, 0);
    hide();
}

void Announcement::say(const QString &text)
{
    // Only an appearing notification is spoken, so each text is shown anew.
    hide();
    m_label->setText(text);
    show();
}

QString Announcement::text() const
{
    return m_label->text();
}
