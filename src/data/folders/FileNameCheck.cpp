#include "data/folders/FileNameCheck.h"

#include "base/TrimBlanks.h"

QString fileNameRefusal(QStringView name)
{
    const QStringView trimmed = trimBlanks(name);
    if (trimmed.isEmpty())
        return QStringLiteral("Der Dateiname darf nicht leer sein!");
    const QString shown = trimmed.toString();
    // Both separators, whatever the system: a name that is harmless here
    // would point elsewhere once the data folder is used on Windows.
    if (trimmed.contains(u'/') || trimmed.contains(u'\\'))
        return QStringLiteral("Der Dateiname \"%1\" darf keinen Schrägstrich (\"/\" oder \"\\\") "
                              "enthalten!")
            .arg(shown);
    if (trimmed.contains(u".."))
        return QStringLiteral("Der Dateiname \"%1\" darf nicht \"..\" enthalten!").arg(shown);
    for (const QChar c : trimmed)
        if (isBlank(c) && c != u' ')
            return QStringLiteral("Der Dateiname \"%1\" darf keine Steuerzeichen enthalten!")
                .arg(shown);
    return QString();
}
