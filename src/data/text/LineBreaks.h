#pragma once

#include <QtAlgorithms>
#include <QtEndian>
#include <QtGlobal>

#include <cstring>

// Line breaks as the vocabulary files have them: CR LF, a lone CR and a lone
// LF each end a line. The loader also ends a line at a TAB. The helpers work
// on raw units, bytes of 8-bit and UTF-8 text or UTF-16 code units alike,
// since these codes are single units in every form.

template<typename Unit>
constexpr bool isLineBreak(Unit unit)
{
    return unit == '\r' || unit == '\n';
}

template<bool tabs, typename Unit>
constexpr bool isBreak(Unit unit)
{
    return isLineBreak(unit) || (tabs && unit == '\t');
}

// The first line break (with tabs: or TAB) at or after i, or size. CR, LF
// and TAB all lie below code 14, so a word of units at a time is tested for
// any code below 14: files are mostly text between the breaks. The lowest
// lane the test marks is the first unit below 14 (higher marks may be false).
template<bool tabs, typename Unit>
qsizetype nextLineBreak(const Unit *units, qsizetype i, qsizetype size)
{
    constexpr qsizetype perWord = 8 / sizeof(Unit);
    constexpr quint64 lanes = sizeof(Unit) == 1 ? 0x0101010101010101ULL : 0x0001000100010001ULL;
    constexpr quint64 laneSigns = lanes << (8 * sizeof(Unit) - 1);
    for (; i + perWord <= size; i += perWord) {
        quint64 word;
        std::memcpy(&word, units + i, sizeof word);
        word = qFromLittleEndian(word);
        quint64 marks = (word - lanes * 14) & ~word & laneSigns;
        while (marks != 0) {
            const qsizetype at = i + qCountTrailingZeroBits(marks) / (8 * sizeof(Unit));
            if (isBreak<tabs>(units[at]))
                return at;
            marks &= marks - 1;
        }
    }
    for (; i < size; ++i) {
        if (isBreak<tabs>(units[i]))
            return i;
    }
    return size;
}

// The first unit after the break at i: CR LF is one break.
template<typename Unit>
qsizetype afterLineBreak(const Unit *units, qsizetype i, qsizetype size)
{
    return i + (units[i] == '\r' && i + 1 < size && units[i + 1] == '\n' ? 2 : 1);
}
