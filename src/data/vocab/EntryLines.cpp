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

// Bytes decoded at a time: the decoded piece stays in the cache while its
// lines are copied out of it, and no decoded copy of the whole file is made.
// At least 2, so that a piece never shrinks to nothing before a CR LF.
constexpr qsizetype pieceSize = 16 * 1024;

// Appends the trimmed line that follows each line break of text (which
// starts at a break, or is empty). A TAB ends a line like a line break does.
void appendLinesAfterBreaks(QStringView text, QStringList &lines)
{
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        i = afterLineBreak(units, i, size);
        const qsizetype end = nextLineBreak<true>(units, i, size);
        qsizetype lineStart = i;
        qsizetype lineEnd = end;
        trimBlankUnits(units, lineStart, lineEnd);
        lines.emplaceBack(text.constData() + lineStart, lineEnd - lineStart);
        i = end;
    }
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

// The lines of bytes after the title, decoded a piece at a time by
// decode(start, length); nothing when decode refuses a piece.
template<typename Decode>
std::optional<QStringList> linesOfPieces(QByteArrayView bytes, const Decode &decode)
{
    const char *units = bytes.data();
    const qsizetype size = withoutFinalBlanks(units, bytes.size());
    QStringList lines;
    for (qsizetype start = nextLineBreak<true>(units, 0, size); start < size;) {
        const qsizetype end = pieceEnd(units, start, size);
        const std::optional<QString> piece = decode(start, end - start);
        if (!piece)
            return std::nullopt;
        appendLinesAfterBreaks(*piece, lines);
        start = end;
    }
    return lines;
}

// The lines when Qt's decoder finds the bytes (a file without a mark) to be
// faultless UTF-8, which most such files are, ASCII ones too (they read the
// same either way); the title is judged, though not decoded.
std::optional<QStringList> faultlessUtf8Lines(QByteArrayView bytes)
{
    if (textKindOf(bytes) != TextKind::EightBit)
        return std::nullopt;
    const Utf8TestResult firstForm = utf8TestOfFirstForm(bytes);
    if (firstForm == Utf8TestResult::NotUtf8)
        return std::nullopt;
    if (firstForm == Utf8TestResult::Utf8) {
        const qsizetype titleEnd = nextLineBreak<true>(bytes.data(), 0, bytes.size());
        if (!bytes.first(titleEnd).isValidUtf8())
            return std::nullopt;
    }
    return linesOfPieces(bytes, [bytes](qsizetype start, qsizetype length) {
        return decodeFaultlessUtf8(bytes.sliced(start, length));
    });
}

QStringList linesOfRecognised(const RecognisedText &text)
{
    if (text.isWide()) {
        const char16_t *units = text.units16();
        const qsizetype size = withoutFinalBlanks(units, text.size());
        const qsizetype titleEnd = nextLineBreak<true>(units, 0, size);
        QStringList lines;
        appendLinesAfterBreaks(QStringView(units, size).sliced(titleEnd), lines);
        return lines;
    }
    return *linesOfPieces(QByteArrayView(text.units8(), text.size()),
                          [&text](qsizetype start, qsizetype length) {
                              return std::optional<QString>(text.slice(start, length));
                          });
}

} // namespace

QStringList entryLinesOfFileBytes(QByteArrayView bytes)
{
    if (std::optional<QStringList> lines = faultlessUtf8Lines(bytes))
        return *std::move(lines);
    return linesOfRecognised(RecognisedText(bytes));
}
