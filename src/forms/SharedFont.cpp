#include "forms/SharedFont.h"

namespace {

// The font dialog's own font until the settings give another one.
QFont startFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

} // namespace

FontWithColour &Schriftart()
{
    static FontWithColour schriftart{startFont(), QColor()};
    return schriftart;
}

QColor &Schrifthintergrund()
{
    // Colour number 1, "Weiß", until the settings give another one.
    static QColor hintergrund(255, 255, 255);
    return hintergrund;
}
