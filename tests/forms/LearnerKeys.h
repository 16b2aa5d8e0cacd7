#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

// What the learner does at the keyboard in the window tests: every key goes
// to whichever control has the focus at that moment.

inline QWidget *focused()
{
    return QApplication::focusWidget();
}

inline void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), Qt::Key(key), modifiers);
}

inline void type(const QString &text)
{
    for (const QChar c : text)
        QTest::keyClick(focused(), c.toLatin1());
}

// The vocabulary file most window tests train with: a title and three entries.
inline const QStringList tiere{QStringLiteral("Tiere"), QStringLiteral("Hund"),
                               QStringLiteral("dog"),   QStringLiteral("Katze"),
                               QStringLiteral("cat"),   QStringLiteral("Maus"),
                               QStringLiteral("mouse")};
