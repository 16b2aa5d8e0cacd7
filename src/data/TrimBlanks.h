#pragma once

#include <QString>
#include <QStringView>

// Vocabulary files and input fields are trimmed of every character with a code
// from 0 to 32, not of Unicode white space: a no-break space is kept, a stray
// control character is not.
constexpr bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

inline QStringView trimBlanksRight(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.first(end);
}

inline QStringView trimBlanks(QStringView text)
{
    text = trimBlanksRight(text);
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.sliced(start);
}

inline QString trimmedBlanks(const QString &text)
{
    const QStringView view = trimBlanks(text);
    return view.size() == text.size() ? text : view.toString();
}

inline QString trimmedBlanksRight(const QString &text)
{
    const QStringView view = trimBlanksRight(text);
    return view.size() == text.size() ? text : view.toString();
}
