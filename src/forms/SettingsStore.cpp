#include "forms/SettingsStore.h"

#include "data/folders/Dateinamen.h"
#include "data/folders/Datenordner.h"
#include "forms/SettingsWindow.h"
#include "forms/SharedFont.h"
#include "forms/TrainingSettings.h"
#include "platform/Registry.h"

#include <QFontInfo>

#include <cstdint>
#include <memory>

namespace {

const std::u16string SettingsKey = u"\\Software\\Lernwendel";

// The values, in the order in which they are written and read.
const std::u16string AktOrdnerValue = u"AktOrdner";
const std::u16string LerntypValue = u"Lerntyp";
const std::u16string AnzeigetypValue = u"Anzeigetyp";
const std::u16string ZufallSValue = u"ZufallS";
const std::u16string GrossKleinSValue = u"GrossKleinS";
const std::u16string SoundsValue = u"Sounds";
const std::u16string FontNameValue = u"FontName";
const std::u16string FontSizeValue = u"FontSize";
const std::u16string FontColorValue = u"FontColor";
const std::u16string FontCharSetValue = u"FontCharSet";
const std::u16string FontStyleValue = u"FontStyle";
const std::u16string HintColorValue = u"HintColor";

const QString defaultFontName = QStringLiteral("Arial");
constexpr int defaultFontSize = 16;
// The sizes the font dialog can give. Any other stored size (0, a negative
// one, or one no screen could show) counts as missing.
constexpr int smallestFontSize = 1;
constexpr int largestFontSize = 512;

// The platform's colour value: an RGB colour as 0x00BBGGRR, or a reference to
// a system colour with the high byte FF. 0xFF000008 is the system's window
// text colour, which the shared font holds as an invalid colour so that it
// follows the palette.
constexpr std::int32_t windowTextColour = std::int32_t(0xFF000008u);

// "FontStyle" bits; -1 stands for no value at all.
enum StyleBit : std::int32_t { Italic = 1, Bold = 2, Underline = 4, StrikeOut = 8 };
constexpr std::int32_t noStyle = -1;

QColor colourOfValue(std::int32_t value)
{
    const auto bits = std::uint32_t(value);
    // Only the window text colour is followed among the system colours; any
    // other reference falls back to it as well.
    if (bits >> 24 != 0)
        return QColor();
    return QColor(int(bits & 0xFF), int(bits >> 8 & 0xFF), int(bits >> 16 & 0xFF));
}

std::int32_t valueOfColour(const QColor &colour)
{
    if (!colour.isValid())
        return windowTextColour;
    return std::int32_t(std::uint32_t(colour.blue()) << 16 | std::uint32_t(colour.green()) << 8
                        | std::uint32_t(colour.red()));
}

// 1 "A-B", 2 "B-A", 3 "X-X"; above 3 is "X-X", and 0 or below is no choice.
int normalisedAnzeigetyp(std::int32_t value)
{
    return value > 3 ? 3 : value < 0 ? 0 : int(value);
}

std::int32_t styleOf(const QFont &font)
{
    return (font.italic() ? Italic : 0) | (font.bold() ? Bold : 0)
        | (font.underline() ? Underline : 0) | (font.strikeOut() ? StrikeOut : 0);
}

[[noreturn]] void failReading(const std::u16string &name, RegistryResult result)
{
    const QString text = result == RegistryResult::WrongType
        ? QStringLiteral("Ungültiger Datentyp für '%1'")
        : QStringLiteral("Fehler beim Holen der Daten für '%1'");
    throw RegistryError(text.arg(QString::fromStdU16String(name)));
}

std::int32_t readInteger(RegistryKey &key, const std::u16string &name, std::int32_t missing)
{
    std::int32_t value = 0;
    const RegistryResult result = key.ReadInteger(name, value);
    if (result == RegistryResult::Missing)
        return missing;
    if (result != RegistryResult::Ok)
        failReading(name, result);
    return value;
}

// Exactly 1 is on; any other number is off.
bool readFlag(RegistryKey &key, const std::u16string &name, bool missing)
{
    return readInteger(key, name, missing ? 1 : 0) == 1;
}

// Empty when missing.
QString readText(RegistryKey &key, const std::u16string &name)
{
    std::u16string value;
    const RegistryResult result = key.ReadText(name, value);
    if (result == RegistryResult::Missing)
        return QString();
    if (result != RegistryResult::Ok)
        failReading(name, result);
    return QString::fromStdU16String(value);
}

// Writes values in turn; once one fails (the key's file cannot be written),
// the rest would fail alike and are not tried.
class ValueWriter
{
public:
    explicit ValueWriter(RegistryKey &key)
        : m_key(key)
    {}

    void integer(const std::u16string &name, std::int32_t value)
    {
        m_ok = m_ok && m_key.WriteInteger(name, value) == RegistryResult::Ok;
    }
    void flag(const std::u16string &name, bool value) { integer(name, value ? 1 : 0); }
    void text(const std::u16string &name, const QString &value)
    {
        m_ok = m_ok && m_key.WriteText(name, value.toStdU16String()) == RegistryResult::Ok;
    }

private:
    RegistryKey &m_key;
    bool m_ok = true;
};

} // namespace

SettingsStore::SettingsStore(CurrentUserRegistry &registry, TrainingSettings &settings,
                             FontWithColour &schriftart, MessageDialog &dialog)
    : m_registry(registry)
    , m_settings(settings)
    , m_schriftart(schriftart)
    , m_dialog(dialog)
{}

void SettingsStore::RegistryLadenSpeichern(SettingsWindow &window, bool LadenS)
{
    // The file list is saved whether or not the key can be reached.
    if (!LadenS)
        DateinamenLadenSchreiben(false, window.Dateien(), m_dialog);
    // The key is closed, and so released for other processes, also when a
    // value stops the load.
    std::unique_ptr<RegistryKey> key;
    if (m_registry.OpenKey(SettingsKey, true, key) != RegistryResult::Ok || !key)
        return;
    if (LadenS)
        load(*key, window);
    else
        save(*key, window);
}

void SettingsStore::load(RegistryKey &key, SettingsWindow &window)
{
    // The data folder first: the chosen files' names are joined to it.
    window.DatenordnerSetzen(readInteger(key, AktOrdnerValue, AktOrdnerWahl::Programmordner));
    DateinamenLadenSchreiben(true, window.Dateien(), m_dialog);

    m_settings.Lerntyp = readFlag(key, LerntypValue, true);
    window.ApplySettings();
    m_settings.Anzeigetyp = normalisedAnzeigetyp(readInteger(key, AnzeigetypValue, 1));
    m_settings.ZufallS = readFlag(key, ZufallSValue, false);
    m_settings.GrossKleinS = readFlag(key, GrossKleinSValue, false);
    m_settings.SoundS = readFlag(key, SoundsValue, true);

    QFont &font = m_schriftart.font;
    const QString name = readText(key, FontNameValue);
    font.setFamily(name.isEmpty() ? defaultFontName : name);
    const std::int32_t size = readInteger(key, FontSizeValue, defaultFontSize);
    font.setPointSize(size >= smallestFontSize && size <= largestFontSize ? int(size)
                                                                          : defaultFontSize);
    m_schriftart.colour = colourOfValue(readInteger(key, FontColorValue, windowTextColour));
    m_fontCharSet = int(readInteger(key, FontCharSetValue, 0) & 0xFF);

    const std::int32_t style = readInteger(key, FontStyleValue, noStyle);
    font.setItalic(style != noStyle && (style & Italic));
    font.setBold(style != noStyle && (style & Bold));
    font.setUnderline(style != noStyle && (style & Underline));
    font.setStrikeOut(style != noStyle && (style & StrikeOut));

    // Last, since it applies the font and the colour to the window.
    window.setHintergrundNr(readInteger(key, HintColorValue, 1));
}

void SettingsStore::save(RegistryKey &key, const SettingsWindow &window)
{
    ValueWriter write(key);
    write.integer(AktOrdnerValue,
                  window.AktOrdner() == AktOrdnerWahl::Programmordner
                      ? AktOrdnerWahl::Programmordner
                      : AktOrdnerWahl::EigeneDateien);
    write.flag(LerntypValue, m_settings.Lerntyp);
    write.integer(AnzeigetypValue, normalisedAnzeigetyp(m_settings.Anzeigetyp));
    write.flag(ZufallSValue, m_settings.ZufallS);
    write.flag(GrossKleinSValue, m_settings.GrossKleinS);
    write.flag(SoundsValue, m_settings.SoundS);
    const QFont &font = m_schriftart.font;
    write.text(FontNameValue, font.family());
    write.integer(FontSizeValue, StoredFontSize(font));
    write.integer(FontColorValue, valueOfColour(m_schriftart.colour));
    write.integer(FontCharSetValue, m_fontCharSet);
    write.integer(FontStyleValue, styleOf(font));
    write.integer(HintColorValue, window.HintergrundNr());
}

int StoredFontSize(const QFont &font)
{
    // A font given in pixels (the font dialog's start font) has no point
    // size of its own: the size it shows in counts.
    return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}
