#include "forms/FontAndColour.h"

#include "forms/SharedFont.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>
#include <QTreeView>

#include <optional>

namespace {

std::optional<ColourKind> colourKindOf(const QWidget *control)
{
    // A check box is a button to Qt, so it is asked first.
    if (qobject_cast<const QCheckBox *>(control))
        return ColourKind::CheckBox;
    if (qobject_cast<const QLabel *>(control))
        return ColourKind::Label;
    if (qobject_cast<const QLineEdit *>(control))
        return ColourKind::Edit;
    if (qobject_cast<const QPlainTextEdit *>(control) || qobject_cast<const QTextEdit *>(control))
        return ColourKind::RichText;
    if (qobject_cast<const QStatusBar *>(control))
        return ColourKind::StatusBar;
    if (qobject_cast<const QTreeView *>(control) || qobject_cast<const QTableView *>(control))
        return ColourKind::ListView;
    if (qobject_cast<const QListView *>(control))
        return ColourKind::ListBox;
    if (qobject_cast<const QGroupBox *>(control))
        return ColourKind::RadioGroup;
    return std::nullopt;
}

void giveWholeFont(QWidget *control, const FontWithColour &font, const QColor &colour)
{
    const QColor textColour =
        font.colour.isValid() ? font.colour : QApplication::palette(control).color(QPalette::Text);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Text, textColour);
    palette.setColor(QPalette::WindowText, textColour);
    control->setPalette(palette);
    // Labels, status bars and groups paint no background of their own.
    control->setAutoFillBackground(true);
    control->setFont(font.font);
}

} // namespace

void ApplyFontAndColour(QWidget &form, ColourKinds kinds, const FontWithColour &font,
                        const QColor &colour)
{
    for (QWidget *control : form.findChildren<QWidget *>()) {
        const std::optional<ColourKind> kind = colourKindOf(control);
        if (kind && kinds.testFlag(*kind))
            giveWholeFont(control, font, colour);
        else if (!kind && qobject_cast<QPushButton *>(control))
            // A QFont holds name, size and style; the colour is not part of it.
            control->setFont(font.font);
    }
}
