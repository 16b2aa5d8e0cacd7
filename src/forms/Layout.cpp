#include "forms/Layout.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QTextLayout>
#include <QWidget>

#include <cmath>

namespace {

// The size the text takes laid out on one line, in whole pixels.
QSizeF oneLine(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e9);
    layout.endLayout();
    return QSizeF(line.naturalTextWidth(), line.height());
}

} // namespace

int LineHeight(const QFont &font)
{
    return int(std::ceil(oneLine(font, QStringLiteral("M")).height()));
}

int SteuerelementHoehe(int lineHeight, ControlKind kind)
{
    switch (kind) {
    case ControlKind::Edit:
        return lineHeight + 8;
    case ControlKind::Button:
        return lineHeight + 12;
    case ControlKind::StatusBar:
        return lineHeight + 6;
    case ControlKind::RadioGroup:
    case ControlKind::CheckBox:
        return lineHeight + 8;
    case ControlKind::Other:
        break;
    }
    return lineHeight;
}

int SteuerelementHoehe(const QFont &font, ControlKind kind)
{
    return SteuerelementHoehe(LineHeight(font), kind);
}

int TextBreite(const QFont &font, const QString &text)
{
    return int(std::ceil(oneLine(font, text + u' ').width()));
}

QString StripAmpersands(const QString &text)
{
    QString stripped = text;
    return stripped.remove(u'&');
}

QPoint DialogPosition(QSize screen, QSize window)
{
    const int top = (screen.height() - window.height()) / 2 - 1;
    const int left = (screen.width() - window.width()) / 2 - 1;
    return QPoint(left < 0 ? 0 : left, top < 0 ? 0 : top);
}

QPoint MainWindowPosition(const QRect &workArea, QSize window, bool maximised)
{
    if (maximised)
        return workArea.topLeft();
    return QPoint((workArea.width() - window.width()) / 2 + workArea.left(),
                  (workArea.height() - window.height()) / 2 + workArea.top());
}

int ButtonRowGap(int clientWidth, int count, int buttonWidth)
{
    return (clientWidth - count * buttonWidth) / (count + 1);
}

QVector<int> ButtonRowLefts(int gap, int count, int buttonWidth)
{
    QVector<int> lefts;
    for (int i = 0; i < count; ++i)
        lefts.append(gap + i * (buttonWidth + gap));
    return lefts;
}

int ButtonRowWidth(int gap, int count, int buttonWidth)
{
    return count * buttonWidth + (count + 1) * gap;
}

StatusPanels StatusBarPanels(int statusBarWidth)
{
    const int first = statusBarWidth / 4;
    return {first, statusBarWidth - first};
}

QRect ScreenArea(const QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen->geometry();
}

void PlaceDialog(QWidget &dialog)
{
    const QRect area = ScreenArea(dialog);
    dialog.move(area.topLeft() + DialogPosition(area.size(), dialog.frameGeometry().size()));
}
