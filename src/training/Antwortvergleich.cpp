#include "training/Antwortvergleich.h"

#include "base/SimpleUpper.h"
#include "base/TrimBlanks.h"

#include <QStringList>

namespace {

QStringList TrimmedParts(const QString &text, QChar separator)
{
    QStringList parts = text.split(separator, Qt::SkipEmptyParts);
    for (QString &part : parts)
        part = trimmedBlanks(part);
    return parts;
}

} // namespace

QString CheckTrennung(const QString &S)
{
    QString s = S;
    s.replace(QLatin1Char('|'), QLatin1String(" | "));
    s.replace(QLatin1Char('&'), QLatin1String(" & "));
    s = trimmedBlanks(s);

    // Only blanks are merged; a TAB inside stays as it is.
    QString result;
    result.reserve(s.size());
    bool afterBlank = false;
    for (const QChar c : std::as_const(s)) {
        const bool blank = c == QLatin1Char(' ');
        if (!(blank && afterBlank))
            result.append(c);
        afterBlank = blank;
    }
    return result;
}

bool AntwortVergleichen(const QString &input, const QString &expected, bool GrossKleinS)
{
    const QString in = GrossKleinS ? input : SimpleUpper(input);
    const QString ex = GrossKleinS ? expected : SimpleUpper(expected);
    if (in == ex)
        return true;

    if (!ex.contains(QLatin1Char('&'))) {
        // Normalising put blanks between the bars, so "|||" became "| | |":
        // those blank parts are no answer.
        QStringList typed = TrimmedParts(in, QLatin1Char('|'));
        typed.removeAll(QString());
        if (typed.isEmpty())
            return false;
        const QStringList alternatives = TrimmedParts(ex, QLatin1Char('|'));
        for (const QString &part : typed) {
            if (!alternatives.contains(part))
                return false;
        }
        return true;
    }

    const QStringList required = TrimmedParts(ex, QLatin1Char('&'));
    if (required.isEmpty())
        return false;
    const QStringList typed = TrimmedParts(in, QLatin1Char('&'));
    for (const QString &part : required) {
        if (part.isEmpty())
            return false;
        bool found = false;
        for (const QString &given : typed) {
            if (given.contains(part)) {
                found = true;
                break;
            }
        }
        if (!found)
            return false;
    }
    return true;
}
