#include "data/text/SystemCodePage.h"

#include <array>
#include <cstring>

namespace {

// Bytes 80..9F; everything else maps to the character of the same number.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char16_t characterOf(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? upperControlRange[byte - 0x80] : char16_t(byte);
}

} // namespace

int systemCodePageByte(QChar character)
{
    const char16_t c = character.unicode();
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < int(upperControlRange.size()); ++i) {
        if (upperControlRange[i] == c)
            return 0x80 + i;
    }
    return -1;
}

QString fromSystemCodePage(QByteArrayView bytes)
{
    // Latin-1 differs only in 80..9F: Qt's fast Latin-1 decoding first, then
    // those bytes mended, found eight at a time (bit 7 set, bits 6 and 5 not).
    QString text = QString::fromLatin1(bytes);
    if (text.isEmpty())
        return text;
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 eight;
        std::memcpy(&eight, in + i, sizeof eight);
        if ((eight & ~(eight << 1) & ~(eight << 2) & 0x8080808080808080ULL) == 0)
            continue;
        for (qsizetype k = i; k < i + 8; ++k)
            out[k] = characterOf(in[k]);
    }
    for (; i < size; ++i)
        out[i] = characterOf(in[i]);
    return text;
}

QChar systemCodePageCharacter(unsigned char byte)
{
    return QChar(characterOf(byte));
}

QByteArray toSystemCodePage(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = systemCodePageByte(text[i]);
        out[i] = b < 0 ? '?' : char(b);
    }
    return bytes;
}
