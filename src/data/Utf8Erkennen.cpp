#include "data/Utf8Erkennen.h"

#include "data/SystemCodePage.h"

#include <algorithm>
#include <cstring>

namespace {

bool isContinuation(unsigned char b, unsigned char low = 0x80, unsigned char high = 0xBF)
{
    return b >= low && b <= high;
}

// Length of the valid sequence starting at in[i], 0 if there is none. The
// table is the loader's own, kept byte for byte: it lets encoded surrogates
// (ED A0..BF) through, which the decoder then turns into replacement marks.
qsizetype sequenceLength(const unsigned char *in, qsizetype i, qsizetype size)
{
    const unsigned char b = in[i];
    const qsizetype left = size - i - 1;
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return left >= 1 && isContinuation(in[i + 1]) ? 2 : 0;
    if (b == 0xE0)
        return left >= 2 && isContinuation(in[i + 1], 0xA0) && isContinuation(in[i + 2]) ? 3 : 0;
    if (b >= 0xE1 && b <= 0xEF)
        return left >= 2 && isContinuation(in[i + 1]) && isContinuation(in[i + 2]) ? 3 : 0;
    if (b == 0xF0 || b == 0xF4 || (b >= 0xF1 && b <= 0xF3)) {
        const unsigned char low = b == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = b == 0xF4 ? 0x8F : 0xBF;
        return left >= 3 && isContinuation(in[i + 1], low, high) && isContinuation(in[i + 2])
                       && isContinuation(in[i + 3])
                   ? 4
                   : 0;
    }
    return 0;
}

// Index of the first byte at or above 80, scanning eight bytes at a time.
qsizetype firstHighByte(const unsigned char *in, qsizetype size)
{
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, in + i, 8);
        if (word & 0x8080808080808080ULL)
            break;
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
    qsizetype i = firstHighByte(in, size);
    if (i == size)
        return Utf8TestResult::Ascii;
    while (i < size) {
        const qsizetype length = sequenceLength(in, i, size);
        if (length == 0)
            return Utf8TestResult::NotUtf8;
        i += length;
        if (length == 1)
            i += firstHighByte(in + i, size - i);
    }
    return Utf8TestResult::Utf8;
}

QString Utf8Erkennen(const QString &text)
{
    // A character the 8-bit code page lacks cannot come from reading bytes as
    // 8-bit text, so such a text is left alone instead of losing that
    // character to a "?".
    const bool ascii = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text;
    QByteArray bytes;
    if (!toSystemCodePageExactly(text, bytes))
        return text;
    if (utf8Test(bytes) != Utf8TestResult::Utf8)
        return text;
    return QString::fromUtf8(bytes);
}
