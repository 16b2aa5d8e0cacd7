// Any bytes as a vocabulary file: reading by kind, UTF-8 recognition and the
// loader's lines. The loader takes its lines without decoding the whole text
// where it can; here it must agree with the plain steps, one after the other.

#include "base/TrimBlanks.h"
#include "data/text/Lines.h"
#include "data/text/RecognisedText.h"
#include "data/text/TextDateiLesen.h"
#include "data/text/Utf8Erkennen.h"
#include "data/vocab/EntryLines.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Reading, then the loader's steps as written out for one file.
QStringList plainStepsEntryLines(QByteArrayView bytes)
{
    QString text = trimmedBlanksRight(textOfFileBytes(bytes));
    text.replace(u'\t', QStringLiteral("\r\n"));
    QStringList lines = splitLines(Utf8Erkennen(splitLines(text).join(QStringLiteral("\r\n"))));
    if (lines.size() <= 1)
        return {}; // a title alone gives nothing
    lines.removeFirst();
    for (QString &line : lines)
        line = trimmedBlanks(line);
    return lines;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const int kind = textKindOf(bytes);
    check(kind >= TextKind::EightBit && kind <= TextKind::Utf8Mark);

    const QString read = textOfFileBytes(bytes);
    check(read.isEmpty() || read.endsWith(QStringLiteral("\r\n")));
    const QString recognised = Utf8Erkennen(read);
    check(splitLines(RecognisedText(bytes).whole()) == splitLines(recognised));
    check(entryLinesOfFileBytes(bytes) == plainStepsEntryLines(bytes));
    return 0;
}
