#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <array>

// The one text font of every window, as the font dialog edits it: the font
// with its colour. An invalid colour stands for the system's window text
// colour, so a change of the desktop's colours still reaches the text.
struct FontWithColour
{
    QFont font;
    QColor colour;
};

// One row of the background colour list, by its name as the list shows it.
struct Hintergrundfarbe
{
    QString name;
    QColor farbe;
};

// The background colours the learner chooses from, in the order of the list;
// a colour's row is its HintergrundNr.
const std::array<Hintergrundfarbe, 19> &Hintergrundfarben();

// The shared font, applied by each window's SchriftartZuweisen. It lives as
// long as the program.
FontWithColour &Schriftart();

// The shared text background: the colour of row HintergrundNr of the list.
// A number outside the list selects its first row, "Schwarz".
QColor Schrifthintergrund();
void setSchrifthintergrund(int HintergrundNr);
