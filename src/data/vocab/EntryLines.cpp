#include "data/vocab/EntryLines.h"

#include "base/TrimBlanks.h"
#include "data/text/RecognisedText.h"

#include <algorithm>
#include <cstring>

namespace {

template<typename Unit>
bool isBreak(Unit unit)
{
    return unit == '\r' || unit == '\n' || unit == '\t';
}

// The first TAB, CR or LF at or after i, or size. All three lie below code 14,
// so a word of units at a time is first tested for any code below 14: large
// files are mostly text between the breaks.
template<typename Unit>
qsizetype nextBreak(const Unit *units, qsizetype i, qsizetype size)
{
    constexpr qsizetype perWord = 8 / sizeof(Unit);
    constexpr quint64 lanes = sizeof(Unit) == 1 ? 0x0101010101010101ULL : 0x0001000100010001ULL;
    constexpr quint64 laneSigns = lanes << (8 * sizeof(Unit) - 1);
    while (i < size) {
        if (i + perWord <= size) {
            quint64 word;
            std::memcpy(&word, units + i, sizeof word);
            if (((word - lanes * 14) & ~word & laneSigns) == 0) {
                i += perWord;
                continue;
            }
        }
        for (const qsizetype end = std::min(i + perWord, size); i < end; ++i) {
            if (isBreak(units[i]))
                return i;
        }
    }
    return size;
}

// The trimmed lines of one file after its title. A TAB ends a line like a
// line break does; blanks at the very end of the file make no lines. The title
// is never kept (a file of a title alone contributes nothing either), so it is
// passed over without being decoded.
template<typename Unit>
QStringList entryLines(const RecognisedText &text, const Unit *units)
{
    qsizetype size = text.size();
    while (size > 0 && isBlankUnit(units[size - 1]))
        --size;
    QStringList lines;
    qsizetype i = nextBreak(units, 0, size);
    while (i < size) {
        i += units[i] == '\r' && i + 1 < size && units[i + 1] == '\n' ? 2 : 1;
        // The text ends in no blank, so a line follows every break.
        const qsizetype end = nextBreak(units, i, size);
        qsizetype lineStart = i;
        qsizetype lineEnd = end;
        trimBlankUnits(units, lineStart, lineEnd);
        lines.append(text.slice(lineStart, lineEnd - lineStart));
        i = end;
    }
    return lines;
}

} // namespace

QStringList entryLinesOfFileBytes(QByteArrayView bytes)
{
    const RecognisedText text(bytes);
    return text.isWide() ? entryLines(text, text.units16()) : entryLines(text, text.units8());
}
