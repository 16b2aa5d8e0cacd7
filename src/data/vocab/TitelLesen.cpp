#include "data/vocab/TitelLesen.h"

#include "base/FileAccess.h"
#include "base/TrimBlanks.h"
#include "data/text/ByteOrderMark.h"
#include "data/text/LineBreaks.h"
#include "data/text/RecognisedText.h"
#include "data/text/TextDateiLesen.h"

#include <QFile>

namespace {

const QString keinTitel = QStringLiteral("(Kein Titel)");

template<typename Unit>
QString titleOfUnits(const RecognisedText &text, const Unit *units)
{
    qsizetype start = 0;
    qsizetype end = nextLineBreak<false>(units, 0, text.size());
    trimBlankUnits(units, start, end);
    return start == end ? keinTitel : text.slice(start, end - start);
}

// Where the units of a file's text begin and how wide they are, for the
// encodings whose first line can be found and judged without decoding the
// rest. RTF and UTF-32 are rare and always take the whole file.
struct HeadForm
{
    bool known = false;
    qsizetype offset = 0;
    int width = 1; // bytes per unit
    bool bigEndian = false;
};

HeadForm headForm(QByteArrayView head)
{
    const ByteOrderMark mark = byteOrderMarkOf(head);
    switch (mark.encoding) {
    case MarkedEncoding::None:
        return {textKindOf(head) == TextKind::EightBit, 0, 1, false};
    case MarkedEncoding::Utf8:
        return {true, mark.size, 1, false};
    case MarkedEncoding::Utf16LE:
        return {true, mark.size, 2, false};
    case MarkedEncoding::Utf16BE:
        return {true, mark.size, 2, true};
    default:
        return {};
    }
}

// What the start of a file tells about its title.
struct HeadAnswer
{
    enum { Title, NeedsMore, NeedsWholeFile } kind;
    QString title;
};

// The title from the start of the file when its first line is pure ASCII.
// Such a line is what it is whatever Utf8Erkennen decides for the whole
// text, since ASCII reads the same as 8-bit text and as UTF-8; and the
// decision never moves a line break, which is ASCII too. A first line with
// any other character depends on the whole text. complete: head is the
// whole file.
HeadAnswer titleFromHead(QByteArrayView head, bool complete)
{
    if (head.size() < 4 && !complete)
        return {HeadAnswer::NeedsMore, {}}; // the kind is not decided yet
    const HeadForm form = headForm(head);
    if (!form.known)
        return {HeadAnswer::NeedsWholeFile, {}};
    const auto *bytes = reinterpret_cast<const unsigned char *>(head.data()) + form.offset;
    const qsizetype byteCount = head.size() - form.offset;
    const qsizetype units = byteCount / form.width;
    const auto unitAt = [&](qsizetype i) -> unsigned {
        const unsigned char *unit = bytes + i * form.width;
        if (form.width == 1)
            return unit[0];
        return form.bigEndian ? unsigned(unit[0]) << 8 | unit[1] : unsigned(unit[1]) << 8 | unit[0];
    };
    qsizetype end = 0;
    while (end < units && !isLineBreak(unitAt(end))) {
        if (unitAt(end) >= 0x80)
            return {HeadAnswer::NeedsWholeFile, {}};
        ++end;
    }
    if (end == units) {
        if (!complete)
            return {HeadAnswer::NeedsMore, {}}; // the line may go on
        if (byteCount % form.width != 0)
            return {HeadAnswer::NeedsWholeFile,
                    {}}; // a cut-off last unit reads as a replacement mark
    }
    QString line(end, Qt::Uninitialized);
    for (qsizetype i = 0; i < end; ++i)
        line[i] = QChar(char16_t(unitAt(i)));
    const QString title = trimmedBlanks(line);
    return {HeadAnswer::Title, title.isEmpty() ? keinTitel : title};
}

} // namespace

QString titleOfFileBytes(QByteArrayView bytes)
{
    const RecognisedText text(bytes);
    return text.isWide() ? titleOfUnits(text, text.units16()) : titleOfUnits(text, text.units8());
}

QString TitelLesen(const QString &pfad)
{
    // A data folder holds many files, most of them with a plain title line:
    // those are answered from their first few kilobytes. The reads go
    // straight into one buffer, which takes the rest of the file when the
    // title needs it.
    QFile file(pfad);
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        QByteArray bytes;
        qsizetype used = 0;
        qint64 want = 4096;
        for (;;) {
            if (bytes.size() < used + want)
                bytes.resize(used + want);
            const qint64 n = file.read(bytes.data() + used, want);
            if (n < 0)
                break; // read again below, which reports the system's error
            used += n;
            const QByteArrayView read(bytes.constData(), used);
            const HeadAnswer answer = titleFromHead(read, n == 0);
            if (answer.kind == HeadAnswer::Title)
                return answer.title;
            if (answer.kind == HeadAnswer::NeedsWholeFile) {
                bytes.truncate(used);
                if (n != 0) {
                    // The rest as readWholeFile reads it: as far as the
                    // file's size goes, or to its end when it tells none.
                    const qint64 rest = file.size() - used;
                    if (rest > 0) {
                        bytes.resize(used + rest);
                        const qint64 more = file.read(bytes.data() + used, rest);
                        if (more < 0)
                            break;
                        bytes.truncate(used + more);
                    } else {
                        bytes += file.readAll();
                        if (file.error() != QFileDevice::NoError)
                            break;
                    }
                }
                return titleOfFileBytes(bytes);
            }
            want *= 2;
        }
    }
    return titleOfFileBytes(readWholeFile(pfad));
}
