#include "data/text/Lines.h"

namespace {

// Calls take(line) for every line of text.
template<typename Take>
void forEachLine(QStringView text, Take take)
{
    const qsizetype size = text.size();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < size) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ++i;
            continue;
        }
        take(text.sliced(start, i - start));
        i += c == u'\r' && i + 1 < size && text[i + 1] == u'\n' ? 2 : 1;
        start = i;
    }
    if (start < size)
        take(text.sliced(start));
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
