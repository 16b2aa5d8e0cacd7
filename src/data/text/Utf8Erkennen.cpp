#include "data/text/Utf8Erkennen.h"

#include "data/text/SystemCodePage.h"

#include <QtAlgorithms>
#include <QtEndian>

#include <cstring>

namespace {

// byteAt(i) gives the byte at i, or -1 where there is none (a character the
// code page lacks): such a place fits no form.
bool inRange(int b, int low = 0x80, int high = 0xBF)
{
    return b >= low && b <= high;
}

// Length of the valid form starting at i, 0 if there is none. The table is the
// loader's own, kept byte for byte: it lets encoded surrogates (ED A0..BF)
// through, which the decoder then turns into replacement marks.
template<typename ByteAt>
qsizetype formLength(const ByteAt &byteAt, qsizetype i, qsizetype size)
{
    const int b = byteAt(i);
    const qsizetype left = size - i - 1;
    if (inRange(b, 0x00, 0x7F))
        return 1;
    if (inRange(b, 0xC2, 0xDF))
        return left >= 1 && inRange(byteAt(i + 1)) ? 2 : 0;
    if (inRange(b, 0xE0, 0xEF)) {
        const int low = b == 0xE0 ? 0xA0 : 0x80;
        return left >= 2 && inRange(byteAt(i + 1), low) && inRange(byteAt(i + 2)) ? 3 : 0;
    }
    if (inRange(b, 0xF0, 0xF4)) {
        const int low = b == 0xF0 ? 0x90 : 0x80;
        const int high = b == 0xF4 ? 0x8F : 0xBF;
        return left >= 3 && inRange(byteAt(i + 1), low, high) && inRange(byteAt(i + 2))
                && inRange(byteAt(i + 3))
            ? 4
            : 0;
    }
    return 0;
}

// skipAscii(i) gives the first place at or after i that is not below 80.
template<typename ByteAt, typename SkipAscii>
Utf8TestResult test(const ByteAt &byteAt, const SkipAscii &skipAscii, qsizetype size)
{
    qsizetype i = skipAscii(0);
    if (i == size)
        return Utf8TestResult::Ascii;
    while (i < size) {
        const qsizetype length = formLength(byteAt, i, size);
        if (length == 0)
            return Utf8TestResult::NotUtf8;
        i = length == 1 ? skipAscii(i + 1) : i + length;
    }
    return Utf8TestResult::Utf8;
}

// The first byte at or after i that is not below 80, or size; eight bytes at
// a time.
qsizetype nextNonAscii(const unsigned char *in, qsizetype i, qsizetype size)
{
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, in + i, 8);
        const quint64 high = qFromLittleEndian(word) & 0x8080808080808080ULL;
        if (high != 0)
            return i + qCountTrailingZeroBits(high) / 8;
    }
    while (i < size && in[i] < 0x80)
        ++i;
    return i;
}

} // namespace

Utf8TestResult utf8Test(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    const auto byteAt = [in](qsizetype i) { return int(in[i]); };
    const auto skipAscii = [in, size](qsizetype i) { return nextNonAscii(in, i, size); };
    const qsizetype firstNonAscii = skipAscii(0);
    if (firstNonAscii == size)
        return Utf8TestResult::Ascii;
    // Qt's check is faster and lets less through: valid UTF-8 by it is valid
    // by the table. Only the rest (encoded surrogates or bad forms) is judged
    // by the table itself.
    if (bytes.sliced(firstNonAscii).isValidUtf8())
        return Utf8TestResult::Utf8;
    return test(byteAt, skipAscii, size);
}

bool isMisreadUtf8(QStringView text)
{
    // The test runs on the code page's bytes of the characters as they come,
    // so a text that fails early costs no conversion.
    const QChar *in = text.data();
    const qsizetype size = text.size();
    const auto byteAt = [in](qsizetype i) { return systemCodePageByte(in[i]); };
    const auto skipAscii = [in, size](qsizetype i) {
        while (i < size && in[i].unicode() < 0x80)
            ++i;
        return i;
    };
    return test(byteAt, skipAscii, size) == Utf8TestResult::Utf8;
}

QString decodeUtf8(QByteArrayView bytes)
{
    // QString::fromUtf8 is Qt's fast decoder but drops a leading mark.
    QString text = QString::fromUtf8(bytes);
    if (bytes.size() >= 3 && bytes[0] == '\xEF' && bytes[1] == '\xBB' && bytes[2] == '\xBF')
        text.prepend(QChar(0xFEFF));
    return text;
}

Utf8TestResult utf8TestOfFirstForm(QByteArrayView bytes)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype size = bytes.size();
    const qsizetype first = nextNonAscii(in, 0, size);
    if (first == size)
        return Utf8TestResult::Ascii;
    const auto byteAt = [in](qsizetype i) { return int(in[i]); };
    return formLength(byteAt, first, size) > 1 ? Utf8TestResult::Utf8 : Utf8TestResult::NotUtf8;
}

std::optional<QString> decodeFaultlessUtf8(QByteArrayView bytes)
{
    QString text = decodeUtf8(bytes);
    if (text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

QString Utf8Erkennen(const QString &text)
{
    // A character the code page lacks fails the test, so such a text is left
    // alone instead of losing that character to a "?".
    return isMisreadUtf8(text) ? decodeUtf8(toSystemCodePage(text)) : text;
}
