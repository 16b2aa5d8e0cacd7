#include "data/vocab/EntryLines.h"

#include "base/TrimBlanks.h"
#include "data/text/LineBreaks.h"
#include "data/text/RecognisedText.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"

#include <optional>

// The title, everything before the first break, is never kept (a file of a
// title alone contributes nothing either), so it is passed over without
// being decoded. Blanks at the very end of the file are dropped first: then
// a line follows every break.

namespace {

// UTF-8 bytes decoded at a time: Qt's decoder costs more per call than per
// character, so decoding line by line pays that many times over; and a piece,
// unlike the whole text, stays in the cache while its lines are copied out.
// At least 2, so that a piece never shrinks to nothing before a CR LF.
constexpr qsizetype pieceSize = 16 * 1024;

// Calls take(start, length) for the trimmed line that follows each line break
// of units (which start at a break, or are none). A TAB ends a line like a
// line break does.
template<typename Unit, typename Take>
void forEachLineAfterBreaks(const Unit *units, qsizetype size, const Take &take)
{
    qsizetype i = 0;
    while (i < size) {
        i = afterLineBreak(units, i, size);
        const qsizetype end = nextLineBreak<true>(units, i, size);
        qsizetype lineStart = i;
        qsizetype lineEnd = end;
        trimBlankUnits(units, lineStart, lineEnd);
        take(lineStart, lineEnd - lineStart);
        i = end;
    }
}

// Appends the lines after the breaks of text, each made in place in the list.
void appendLinesAfterBreaks(QStringView text, QStringList &lines)
{
    forEachLineAfterBreaks(text.utf16(), text.size(), [&](qsizetype start, qsizetype length) {
        lines.emplaceBack(text.constData() + start, length);
    });
}

template<typename Unit>
qsizetype withoutFinalBlanks(const Unit *units, qsizetype size)
{
    while (size > 0 && isBlankUnit(units[size - 1]))
        --size;
    return size;
}

// Where the piece of bytes from start ends: at a line break after pieceSize
// bytes, never between the CR and LF of one break, or at size.
qsizetype pieceEnd(const char *units, qsizetype start, qsizetype size)
{
    if (size - start <= pieceSize)
        return size;
    qsizetype end = nextLineBreak<true>(units, start + pieceSize, size);
    if (end < size && units[end] == '\n' && units[end - 1] == '\r')
        --end;
    return end;
}

// The lines when Qt's decoder finds the bytes (a file without a mark whose
// first byte above 80 starts a valid form) to be faultless UTF-8, which most
// such files are. The title is judged, though not decoded.
std::optional<QStringList> faultlessUtf8Lines(QByteArrayView bytes)
{
    const char *units = bytes.data();
    const qsizetype size = withoutFinalBlanks(units, bytes.size());
    qsizetype start = nextLineBreak<true>(units, 0, size);
    if (!bytes.first(start).isValidUtf8())
        return std::nullopt;
    QStringList lines;
    while (start < size) {
        const qsizetype end = pieceEnd(units, start, size);
        const std::optional<QString> piece = decodeFaultlessUtf8(bytes.sliced(start, end - start));
        if (!piece)
            return std::nullopt;
        appendLinesAfterBreaks(*piece, lines);
        start = end;
    }
    return lines;
}

QStringList linesOfRecognised(const RecognisedText &text)
{
    QStringList lines;
    if (text.isWide()) {
        const char16_t *units = text.units16();
        const qsizetype size = withoutFinalBlanks(units, text.size());
        const qsizetype titleEnd = nextLineBreak<true>(units, 0, size);
        appendLinesAfterBreaks(QStringView(units, size).sliced(titleEnd), lines);
        return lines;
    }
    // 8-bit and ASCII lines are decoded straight into their own strings.
    const char *units = text.units8();
    const qsizetype size = withoutFinalBlanks(units, text.size());
    const qsizetype titleEnd = nextLineBreak<true>(units, 0, size);
    forEachLineAfterBreaks(units + titleEnd, size - titleEnd,
                           [&](qsizetype start, qsizetype length) {
                               lines.append(text.slice(titleEnd + start, length));
                           });
    return lines;
}

} // namespace

QStringList entryLinesOfFileBytes(QByteArrayView bytes)
{
    if (textKindOf(bytes) == TextKind::EightBit) {
        const Utf8TestResult firstForm = utf8TestOfFirstForm(bytes);
        if (firstForm == Utf8TestResult::Utf8) {
            if (std::optional<QStringList> lines = faultlessUtf8Lines(bytes))
                return *std::move(lines);
            return linesOfRecognised(RecognisedText(bytes));
        }
        return linesOfRecognised(RecognisedText(bytes, firstForm)); // the answer is final
    }
    return linesOfRecognised(RecognisedText(bytes));
}
