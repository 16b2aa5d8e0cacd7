#include "forms/LineEditAccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace {

QAccessibleInterface *lineEditFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QLineEdit"))
        if (auto *edit = qobject_cast<QLineEdit *>(object))
            return new LineEditAccessible(edit);
    return nullptr;
}

} // namespace

void InstallLineEditAccessible()
{
    static const bool installed = (QAccessible::installFactory(lineEditFactory), true);
    Q_UNUSED(installed);
}

LineEditAccessible::LineEditAccessible(QLineEdit *edit)
    : QAccessibleWidget(edit, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

QLineEdit *LineEditAccessible::edit() const
{
    return static_cast<QLineEdit *>(widget());
}

QString LineEditAccessible::readableText() const
{
    switch (edit()->echoMode()) {
    case QLineEdit::Normal:
        return edit()->text();
    case QLineEdit::NoEcho:
        return QString();
    default:
        return edit()->displayText();
    }
}

bool LineEditAccessible::hidesText(int *startOffset, int *endOffset) const
{
    if (edit()->echoMode() == QLineEdit::Normal)
        return false;
    *startOffset = *endOffset = -1;
    return true;
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    QString text;
    if (t == QAccessible::Value)
        text = readableText();
    if (text.isEmpty())
        text = QAccessibleWidget::text(t);
    if (text.isEmpty() && t == QAccessible::Description)
        text = edit()->placeholderText();
    return text;
}

void LineEditAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (!edit()->isReadOnly())
        edit()->setText(text);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (edit()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    if (edit()->echoMode() != QLineEdit::Normal)
        state.passwordEdit = true;
    state.selectable = true;
    if (edit()->hasSelectedText())
        state.selected = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !edit()->hasSelectedText())
        return;
    *startOffset = edit()->selectionStart();
    *endOffset = edit()->selectionEnd();
}

int LineEditAccessible::selectionCount() const
{
    return edit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        edit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        edit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return edit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    edit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset || edit()->echoMode() != QLineEdit::Normal)
        return QString();
    return edit()->text().mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return hidesText(startOffset, endOffset)
        ? QString()
        : QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return hidesText(startOffset, endOffset)
        ? QString()
        : QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return hidesText(startOffset, endOffset)
        ? QString()
        : QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const
{
    return int(edit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    // The field tells where its caret stands; the other characters lie at
    // their advance from it on the same line.
    const QString text = edit()->displayText();
    const QFontMetrics metrics(edit()->font());
    const QRect caret = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int caretPos = qBound(0, edit()->cursorPosition(), int(text.size()));
    const int at = qBound(0, offset, int(text.size()));
    const int x = caret.x() - metrics.horizontalAdvance(text.left(caretPos))
        + metrics.horizontalAdvance(text.left(at));
    const int width = at < text.size() ? metrics.horizontalAdvance(text.at(at)) : 1;
    const QRect local(x, caret.y(), width, caret.height());
    return QRect(edit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    edit()->setCursorPosition(endIndex);
    edit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run over the whole text, and none beyond it.
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    *startOffset = 0;
    *endOffset = length;
    return QString();
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (edit()->isReadOnly() || startOffset < 0 || startOffset > endOffset)
        return;
    edit()->setText(edit()->text().replace(startOffset, endOffset - startOffset, text));
}
