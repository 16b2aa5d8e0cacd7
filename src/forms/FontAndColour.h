#pragma once

#include <QFlags>

class QColor;
class QWidget;
struct FontWithColour;

// The kinds of control that take the background colour and the whole font;
// each window names its own set.
enum class ColourKind {
    Label = 0x01,
    StatusBar = 0x02,
    Edit = 0x04,
    ListView = 0x08, // a list with columns (a tree or table view)
    ListBox = 0x10, // a plain list
    CheckBox = 0x20,
    RadioGroup = 0x40, // a group box; its radio buttons take what it takes
    RichText = 0x80,
};
Q_DECLARE_FLAGS(ColourKinds, ColourKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(ColourKinds)

// The font and colour rule of every window's SchriftartZuweisen, over all the
// controls inside form: a control of a kind in kinds gets colour as its
// background and the whole font with its colour; a push button gets the
// font's name, size and style and keeps its own colours; anything else
// (menus, scroll bars, Qt's own parts of a control) and the window itself
// stay as they are.
void ApplyFontAndColour(QWidget &form, ColourKinds kinds, const FontWithColour &font,
                        const QColor &colour);
