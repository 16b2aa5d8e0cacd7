#include "data/vocab/EntryLines.h"

#include "base/TrimBlanks.h"
#include "data/text/LineBreaks.h"
#include "data/text/RecognisedText.h"

namespace {

// The trimmed lines of a file's units after its title, each made by
// slice(start, length). A TAB ends a line like a line break does; blanks at
// the very end of the file make no lines. The title is never kept (a file of
// a title alone contributes nothing either), so it is passed over without
// being decoded.
template<typename Unit, typename Slice>
QStringList entryLines(const Unit *units, qsizetype size, Slice slice)
{
    while (size > 0 && isBlankUnit(units[size - 1]))
        --size;
    QStringList lines;
    qsizetype i = nextLineBreak<true>(units, 0, size);
    while (i < size) {
        i = afterLineBreak(units, i, size);
        // The text ends in no blank, so a line follows every break.
        const qsizetype end = nextLineBreak<true>(units, i, size);
        qsizetype lineStart = i;
        qsizetype lineEnd = end;
        trimBlankUnits(units, lineStart, lineEnd);
        lines.append(slice(lineStart, lineEnd - lineStart));
        i = end;
    }
    return lines;
}

} // namespace

QStringList entryLinesOfFileBytes(QByteArrayView bytes)
{
    const RecognisedText text(bytes, RecognisedText::Use::Whole);
    const auto slice = [&text](qsizetype start, qsizetype length) {
        return text.slice(start, length);
    };
    return text.isWide() ? entryLines(text.units16(), text.size(), slice)
                         : entryLines(text.units8(), text.size(), slice);
}
