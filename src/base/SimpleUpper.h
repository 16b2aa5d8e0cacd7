#pragma once

#include <QString>

// The upper case that comparisons without regard to letter case use: each
// character's own upper-case form, one for one, so "ß" stays "ß" as the
// learner sees it, where a full mapping would make it "SS".
inline QString SimpleUpper(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const char32_t upper = QChar::toUpper(QChar::surrogateToUcs4(c, text.at(i + 1)));
            result.append(QChar(QChar::highSurrogate(upper)));
            result.append(QChar(QChar::lowSurrogate(upper)));
            ++i;
        } else {
            result.append(c.toUpper());
        }
    }
    return result;
}
