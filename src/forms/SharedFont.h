#pragma once

#include <QColor>
#include <QFont>

// The one text font of every window, as the font dialog edits it: the font
// with its colour. An invalid colour stands for the system's window text
// colour, so a change of the desktop's colours still reaches the text.
struct FontWithColour
{
    QFont font;
    QColor colour;
};

// The shared font and the shared text background colour, applied by each
// window's SchriftartZuweisen. They live as long as the program.
FontWithColour &Schriftart();
QColor &Schrifthintergrund();
