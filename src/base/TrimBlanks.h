#pragma once

#include <QString>
#include <QStringView>

#include <type_traits>

// Vocabulary files and input fields are trimmed of every character with a code
// from 0 to 32, not of Unicode white space: a no-break space is kept, a stray
// control character is not. Codes 0 to 32 are single units alike in UTF-16 and
// in the bytes of UTF-8 and 8-bit text, so raw units can be trimmed too.
template<typename Unit>
constexpr bool isBlankUnit(Unit unit)
{
    return std::make_unsigned_t<Unit>(unit) <= 32;
}

constexpr bool isBlank(QChar c)
{
    return isBlankUnit(c.unicode());
}

// Narrows [start, end) of units to its part without blanks at either end.
template<typename Unit>
void trimBlankUnits(const Unit *units, qsizetype &start, qsizetype &end)
{
    while (end > start && isBlankUnit(units[end - 1]))
        --end;
    while (start < end && isBlankUnit(units[start]))
        ++start;
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
    qsizetype start = 0;
    qsizetype end = text.size();
    trimBlankUnits(text.utf16(), start, end);
    return text.sliced(start, end - start);
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
