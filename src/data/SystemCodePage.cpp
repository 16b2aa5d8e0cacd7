#include "data/SystemCodePage.h"

#include <array>

namespace {

// Bytes 80..9F; everything else maps to the character of the same number.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? upperControlRange[byte - 0x80] : char16_t(byte);
}

// -1 when the code page has no byte for the character.
int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(upperControlRange.size()); ++i) {
        if (upperControlRange[i] == c)
            return 0x80 + i;
    }
    return -1;
}

// Returns false at the first lacking character unless it may be replaced.
bool encode(QStringView text, QByteArray &bytes, bool replaceLacking)
{
    bytes.resize(text.size());
    char *out = bytes.data();
    const char16_t *in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = in[i];
        if (c < 0x80) {
            out[i] = char(c);
            continue;
        }
        const int b = byteOf(c);
        if (b < 0) {
            if (!replaceLacking)
                return false;
            out[i] = '?';
        } else {
            out[i] = char(b);
        }
    }
    return true;
}

} // namespace

QString fromSystemCodePage(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const unsigned char *in = reinterpret_cast<const unsigned char *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = characterOf(in[i]);
    return text;
}

QChar systemCodePageCharacter(unsigned char byte)
{
    return QChar(characterOf(byte));
}

QByteArray toSystemCodePage(QStringView text)
{
    QByteArray bytes;
    encode(text, bytes, true);
    return bytes;
}

bool toSystemCodePageExactly(QStringView text, QByteArray &bytes)
{
    return encode(text, bytes, false);
}
