#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

class QFont;
class QWidget;

// The measures every window lays itself out with: sizes come from the text
// in the learner's font, never from a design. Divisions truncate toward
// zero.

constexpr int ButtonWidth = 125;
constexpr int Margin = 10; // from the client edges, between stacked controls, below the buttons
constexpr int LabelGap = 5; // between a label and the field to its right

enum class ControlKind { Edit, Button, StatusBar, RadioGroup, CheckBox, Other };

// The height one line of text takes in the font: "M" laid out on one line.
int LineHeight(const QFont &font);

// A control's height from the line height of its own font: +8 for an edit
// field, +12 for a button, +6 for a status bar, +8 for a radio group or a
// check box, the line height alone for anything else.
int SteuerelementHoehe(int lineHeight, ControlKind kind);
int SteuerelementHoehe(const QFont &font, ControlKind kind);

// The width of the text followed by one blank, laid out on one line.
int TextBreite(const QFont &font, const QString &text);

// Removes every "&" (both of a doubled "&&" too), to measure or quote a caption.
QString StripAmpersands(const QString &text);

// A dialog's top-left corner, centred on the screen one pixel up and left,
// never off its top or left edge.
QPoint DialogPosition(QSize screen, QSize window);

// The whole area of the screen the window lies on (the primary screen while
// it has none yet).
QRect ScreenArea(const QWidget &window);

// FensterEinrichten of every dialog: centred on its own screen, frame
// included, by DialogPosition.
void PlaceDialog(QWidget &dialog);

// The main window's top-left corner: centred in the work area, or the work
// area's corner when the window is maximised.
QPoint MainWindowPosition(const QRect &workArea, QSize window, bool maximised);

// A row of count buttons of one width with equal space before, between and
// after them.
int ButtonRowGap(int clientWidth, int count, int buttonWidth); // the space that fills the width
QVector<int> ButtonRowLefts(int gap, int count, int buttonWidth); // the buttons' left edges
int ButtonRowWidth(int gap, int count, int buttonWidth); // the client width the row needs

// The two panels of the status bar: a quarter and the rest.
struct StatusPanels
{
    int first;
    int second;
};
StatusPanels StatusBarPanels(int statusBarWidth);
