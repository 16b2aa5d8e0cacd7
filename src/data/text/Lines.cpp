#include "data/text/Lines.h"

#include "data/text/LineBreaks.h"

namespace {

// Calls take(line) for every line of text.
template<typename Take>
void forEachLine(QStringView text, Take take)
{
    const char16_t *units = text.utf16();
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        const qsizetype end = nextLineBreak<false>(units, start, size);
        take(text.sliced(start, end - start));
        start = end < size ? afterLineBreak(units, end, size) : size;
    }
}

} // namespace

QStringList splitLines(QStringView text)
{
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

QString linesWithCrLf(QStringView text)
{
    QString result;
    result.reserve(text.size() + text.size() / 8 + 2);
    forEachLine(text, [&result](QStringView line) {
        result.append(line);
        result.append(u"\r\n");
    });
    return result;
}
