#include "data/vocab/EntryLines.h"

#include "base/TrimBlanks.h"
#include "data/text/LineBreaks.h"
#include "data/text/RecognisedText.h"
#include "data/text/SystemCodePage.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"

#include <QStringDecoder>

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

QStringList entryLinesOfText(const QString &text)
{
    return entryLines(text.utf16(), text.size(), [&text](qsizetype start, qsizetype length) {
        return text.sliced(start, length);
    });
}

QStringList entryLinesOfRecognised(const RecognisedText &text)
{
    const auto slice = [&text](qsizetype start, qsizetype length) { return text.slice(start, length); };
    return text.isWide() ? entryLines(text.units16(), text.size(), slice)
                         : entryLines(text.units8(), text.size(), slice);
}

// Files without a mark are 8-bit text or UTF-8. Qt's decoders are much
// faster over the whole text than line by line, so the whole text is decoded
// once: as code page text when the title already fails the UTF-8 test, as
// UTF-8 when Qt finds it valid. The rest (a text that fails further on, or
// one with encoded surrogates, which the test lets through) is decided by
// RecognisedText.
QStringList eightBitEntryLines(QByteArrayView bytes)
{
    const qsizetype titleEnd = nextLineBreak<true>(bytes.data(), 0, bytes.size());
    if (utf8Test(bytes.first(titleEnd)) == Utf8TestResult::NotUtf8)
        return entryLinesOfText(fromSystemCodePage(bytes));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return entryLinesOfText(text);
    return entryLinesOfRecognised(RecognisedText(bytes));
}

} // namespace

QStringList entryLinesOfFileBytes(QByteArrayView bytes)
{
    if (textKindOf(bytes) == TextKind::EightBit)
        return eightBitEntryLines(bytes);
    return entryLinesOfRecognised(RecognisedText(bytes));
}
