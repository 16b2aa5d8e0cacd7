// The keys of the main window and where the caret stands when a field is
// entered: what a learner at the keyboard relies on.

#include "forms/Haupt.h"

#include "training/AnswerFieldInput.h"

#include <QAction>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <algorithm>

namespace {

bool hasShortcut(const QAction *action, const QKeySequence &pressed)
{
    const QList<QKeySequence> shortcuts = action->shortcuts();
    return std::any_of(shortcuts.begin(), shortcuts.end(),
                       [&](const QKeySequence &shortcut) { return shortcut == pressed; });
}

// The keypad's Enter is the same key to the menu as the main Enter.
QKeySequence menuKey(const QKeyEvent *key)
{
    return QKeySequence(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
}

} // namespace

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Ignored and kept from the control: the shortcut map gets the key.
        if (menuTakesKey(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // An enabled item's key never gets here, the shortcut acted on it;
        // a disabled item still owns its key and does nothing with it.
        if (isMenuKey(menuKey(key)))
            return true;
        if (watched == Edit1)
            return Edit1KeyDown(key) || Edit1KeyPress(key);
        if (watched == Edit2)
            return Edit2KeyDown(key);
        if (watched == RichEdit1)
            return Edit1KeyPress(key);
        break;
    }
    case QEvent::FocusIn: {
        // Entering a field by Tab would select its whole text before the
        // screen reader hears of the focus, and it would then say nothing
        // of the field; entered as by any other move, nothing is selected.
        auto *focus = static_cast<QFocusEvent *>(event);
        if ((watched == Edit1 || watched == Edit2)
            && (focus->reason() == Qt::TabFocusReason
                || focus->reason() == Qt::BacktabFocusReason)) {
            QFocusEvent entered(QEvent::FocusIn, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(watched, &entered);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection under X11: not here either.
        if (watched == Edit2 && static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::menuTakesKey(QKeyEvent *key)
{
    const QKeySequence pressed = menuKey(key);
    // Before it acts on a key of "Datei" or "Aktionen" the menu brings their
    // items up to date, so "Prüfen" is enabled exactly when it can judge.
    for (const QMenu *menu : {MenuDatei, MenuAkt}) {
        const QList<QAction *> actions = menu->actions();
        if (std::any_of(actions.begin(), actions.end(),
                        [&](const QAction *action) { return hasShortcut(action, pressed); })) {
            FTraining.UpdateMenus();
            break;
        }
    }
    return isMenuKey(pressed);
}

bool TForm1::isMenuKey(const QKeySequence &pressed) const
{
    QList<QAction *> items{PuEinfuegen};
    for (const QMenu *menu : {MenuDatei, MenuAkt, MenuEinst, MenuHilfe})
        items += menu->actions();
    return std::any_of(items.begin(), items.end(),
                       [&](const QAction *action) { return hasShortcut(action, pressed); });
}

bool TForm1::Edit1KeyDown(QKeyEvent *key)
{
    if (key->key() != Qt::Key_Down)
        return false;
    Edit2->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TForm1::Edit2KeyDown(QKeyEvent *key)
{
    if (key->key() != Qt::Key_Up)
        return false;
    Edit1->setFocus(Qt::OtherFocusReason);
    return true;
}

bool TForm1::Edit1KeyPress(QKeyEvent *key)
{
    // Alt with a letter is a menu key, not a typed character; Ctrl and Alt
    // together type the third level of the keyboard.
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (modifiers.testFlag(Qt::MetaModifier)
        || (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier)))
        return false;
    const QList<uint> characters = key->text().toUcs4();
    if (characters.size() != 1
        || !GoesIntoAnswerField(char32_t(characters.first()), Edit2->isReadOnly()))
        return false;
    Edit2->insert(key->text());
    Edit2->setFocus(Qt::OtherFocusReason);
    return true;
}

void TForm1::Edit1Enter()
{
    // Entering by Tab selects the whole text; a screen reader would then
    // read it as selected and typing would replace it.
    Edit1->deselect();
    Edit1->setCursorPosition(0);
    Edit2->deselect();
    // In test mode the learner goes on typing at the end of the answer.
    Edit2->setCursorPosition(Lerntyp() ? 0 : int(Edit2->text().size()));
}

void TForm1::Edit2Change()
{
    FTraining.UpdateMenus();
}
