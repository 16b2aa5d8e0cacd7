#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <utility>

// The controls of a window that the Tab key reaches, once round, in the
// order it reaches them from the control named first (or from wherever the
// chain begins). Radio buttons inside a group box count as their group,
// which Tab enters as one stop.
inline QList<QWidget *> TabStops(QWidget &form, const QString &first = QString())
{
    const auto stop = [&form](QWidget *w) -> QWidget * {
        if (w->window() != &form || !w->isVisibleTo(&form) || !(w->focusPolicy() & Qt::TabFocus))
            return nullptr;
        if (auto *group = qobject_cast<QGroupBox *>(w->parentWidget());
            group && w->inherits("QRadioButton"))
            return group;
        return w;
    };
    QList<QWidget *> stops;
    for (QWidget *w = form.nextInFocusChain(); w != &form && stops.size() < 500;
         w = w->nextInFocusChain()) {
        QWidget *s = stop(w);
        if (s && (stops.isEmpty() || stops.last() != s))
            stops.append(s);
    }
    for (qsizetype i = 0; i < stops.size(); ++i)
        if (stops[i]->objectName() == first) {
            std::rotate(stops.begin(), stops.begin() + i, stops.end());
            break;
        }
    return stops;
}

// Whether the control is a field: something the learner types into or
// chooses from, which a screen reader names by its label.
inline bool IsField(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QPlainTextEdit *>(w)
        || qobject_cast<const QTextEdit *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
        || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractItemView *>(w);
}

// What a screen reader would miss in the window, one line per fault, none
// when all is well:
// - a control the Tab key reaches has no component name or no accessible name;
// - a field has neither a label tied to it (QLabel::setBuddy) nor a name of
//   its own, so it would be read without one once its text changes;
// - a group box around such controls has no title, so entering it says nothing;
// - the Tab stops, by component name, are not designedChain.
inline QStringList AccessibilityFaults(QWidget &form, const QStringList &designedChain)
{
    QStringList faults;
    const QList<QLabel *> labels = form.findChildren<QLabel *>();
    const auto hasLabel = [&labels](QWidget *field) {
        for (QLabel *label : labels)
            if (label->buddy() == field)
                return true;
        return false;
    };

    const QList<QWidget *> stops = TabStops(form, designedChain.value(0));
    QStringList chain;
    for (QWidget *stop : stops) {
        chain.append(stop->objectName());
        const QString what = stop->objectName().isEmpty()
            ? QString::fromLatin1(stop->metaObject()->className())
            : stop->objectName();
        if (stop->objectName().isEmpty())
            faults.append(what + QStringLiteral(": no component name"));
        if (auto *group = qobject_cast<QGroupBox *>(stop)) {
            if (group->title().isEmpty())
                faults.append(what + QStringLiteral(": group box without a title"));
            for (QAbstractButton *radio : group->findChildren<QAbstractButton *>()) {
                QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(radio);
                if (!iface || iface->text(QAccessible::Name).isEmpty())
                    faults.append(what + QStringLiteral(": a radio button without a name"));
            }
            continue;
        }
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(stop);
        if (!iface || iface->text(QAccessible::Name).isEmpty())
            faults.append(what + QStringLiteral(": no accessible name"));
        if (IsField(stop) && !hasLabel(stop) && stop->accessibleName().isEmpty())
            faults.append(what + QStringLiteral(": field without a label or a name of its own"));
    }
    if (chain != designedChain)
        faults.append(
            QStringLiteral("Tab stops: %1; designed: %2")
                .arg(chain.join(QStringLiteral(", ")), designedChain.join(QStringLiteral(", "))));
    return faults;
}

// A window of the program under test: made when the test has set the scene
// up, shown and active like a window the learner works in, and swept for
// what a screen reader would miss.
template<typename T>
class FormFixture
{
public:
    std::unique_ptr<T> form;

    template<typename... Args>
    T &create(Args &&...args)
    {
        form = std::make_unique<T>(std::forward<Args>(args)...);
        return *form;
    }

    // Shows the window and waits until it has the keyboard.
    bool showActive()
    {
        form->show();
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get());
    }

    QStringList accessibilityFaults(const QStringList &designedChain) const
    {
        return AccessibilityFaults(*form, designedChain);
    }
};
