#include "forms/SharedFont.h"

namespace {

// The font dialog's own font until the settings give another one.
QFont startFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

// Colour number 1, "Weiß", until the settings give another one.
int hintergrundZeile = 1;

} // namespace

const std::array<Hintergrundfarbe, 19> &Hintergrundfarben()
{
    // "Grau" and "Dunkelgrau" are one colour, as are "Hellgrau" and "Silber".
    static const std::array<Hintergrundfarbe, 19> farben{{
        {QStringLiteral("Schwarz"), QColor(0, 0, 0)},
        {QStringLiteral("Weiß"), QColor(255, 255, 255)},
        {QStringLiteral("Gelb"), QColor(255, 255, 0)},
        {QStringLiteral("Blau"), QColor(0, 0, 255)},
        {QStringLiteral("Marineblau"), QColor(0, 0, 128)},
        {QStringLiteral("Himmelblau"), QColor(166, 202, 240)},
        {QStringLiteral("Blaugrün"), QColor(0, 128, 128)},
        {QStringLiteral("Grün"), QColor(0, 128, 0)},
        {QStringLiteral("Minzgrün"), QColor(192, 220, 192)},
        {QStringLiteral("Gelbgrün"), QColor(0, 255, 0)},
        {QStringLiteral("Olivgrün"), QColor(128, 128, 0)},
        {QStringLiteral("Grau"), QColor(128, 128, 128)},
        {QStringLiteral("Dunkelgrau"), QColor(128, 128, 128)},
        {QStringLiteral("Hellgrau"), QColor(192, 192, 192)},
        {QStringLiteral("Rot"), QColor(255, 0, 0)},
        {QStringLiteral("Purpur"), QColor(128, 0, 128)},
        {QStringLiteral("Lila"), QColor(255, 0, 255)},
        {QStringLiteral("Silber"), QColor(192, 192, 192)},
        {QStringLiteral("Braun"), QColor(128, 0, 0)},
    }};
    return farben;
}

FontWithColour &Schriftart()
{
    static FontWithColour schriftart{startFont(), QColor()};
    return schriftart;
}

QColor Schrifthintergrund()
{
    return Hintergrundfarben()[std::size_t(hintergrundZeile)].farbe;
}

void setSchrifthintergrund(int HintergrundNr)
{
    const bool inList = HintergrundNr >= 0 && HintergrundNr < int(Hintergrundfarben().size());
    hintergrundZeile = inList ? HintergrundNr : 0;
}
