#include "app/DateNames.h"

#include <QLocale>

namespace {

DateNames &processNames()
{
    static DateNames names;
    return names;
}

// Each character's own upper-case form, so "ä" compares as "Ä".
QString upper(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        c = c.toUpper();
    return result;
}

} // namespace

void AdjustDateNames(DateNames &names)
{
    for (QString &day : names.shortDayNames)
        if (day.endsWith(u'.'))
            day.chop(1);
    for (QString &month : names.shortMonthNames) {
        const QString key = upper(month);
        if (key == u"JAN")
            month = QStringLiteral("Jän");
        else if (key == u"MRZ")
            month = QStringLiteral("Mär");
    }
    for (QString &month : names.longMonthNames) {
        if (upper(month) == u"JANUAR") {
            month = QStringLiteral("Jänner");
            break;
        }
    }
}

void AdjustDateNames()
{
    const QLocale locale = QLocale::system();
    DateNames &names = processNames();
    for (int day = 1; day <= 7; ++day)
        names.shortDayNames[day - 1] = locale.dayName(day, QLocale::ShortFormat);
    for (int month = 1; month <= 12; ++month) {
        names.shortMonthNames[month - 1] = locale.monthName(month, QLocale::ShortFormat);
        names.longMonthNames[month - 1] = locale.monthName(month, QLocale::LongFormat);
    }
    AdjustDateNames(names);
}

const DateNames &ProcessDateNames()
{
    return processNames();
}
