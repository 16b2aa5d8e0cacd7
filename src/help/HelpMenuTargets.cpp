#include "help/HelpMenuTargets.h"

#include "base/ProgramTitle.h"

#include <QStringList>

namespace {

const QString Site = QStringLiteral("https://lernwendel.example/");
const QString Author = QStringLiteral("autor@lernwendel.example");

} // namespace

QString HomepageAddress()
{
    return Site;
}

QString DonationPageAddress()
{
    return Site + QStringLiteral("spenden.htm");
}

QString MailAddress()
{
    // The subject stays as it is: mail programs take its blank unencoded.
    return QStringLiteral("mailto:") + Author + QStringLiteral("?subject=") + ProgramTitle;
}

QString ChangesFileName()
{
    return QStringLiteral("History.txt");
}

QString UpdateProgramFileName()
{
    // The build names the suffix programs carry on this system.
    return QStringLiteral("Versionsholer") + QLatin1String(LW_EXECUTABLE_SUFFIX);
}

QString ProgramInfoText()
{
    return QStringList{
        ProgramTitle,
        QStringLiteral("Ein blindenfreundlicher Lernwendel."),
        QStringLiteral("Freie Software für blinde und sehbehinderte Lernende."),
        QStringLiteral("Homepage: ") + Site,
        QStringLiteral("E-Mail: ") + Author,
    }
        .join(QStringLiteral("\r\n"));
}
