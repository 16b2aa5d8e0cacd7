#include "help/CommandLine.h"

QString QuoteIfSpaced(const QString &text)
{
    if (!text.contains(QLatin1Char(' ')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList SplitCommandLine(const QString &parameters)
{
    QStringList arguments;
    QString argument;
    bool inArgument = false; // also true for a quoted empty text
    bool quoted = false;
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const QChar c = parameters.at(i);
        if (c == QLatin1Char('"')) {
            inArgument = true;
            if (quoted && i + 1 < parameters.size() && parameters.at(i + 1) == QLatin1Char('"')) {
                argument += c;
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inArgument)
                arguments.append(argument);
            argument.clear();
            inArgument = false;
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(argument);
    return arguments;
}
