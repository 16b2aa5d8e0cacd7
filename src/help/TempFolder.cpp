#include "help/TempFolder.h"

#include <QDir>

QString GetTempFolder()
{
    QString folder = QDir::tempPath();
    // Qt answers nothing for a temporary folder that does not exist; the one
    // set is still meant, and a file written there fails as it should instead
    // of landing at the root.
    if (folder.isEmpty()) {
        const QString set = qEnvironmentVariable("TMPDIR");
        folder = QDir::cleanPath(set.isEmpty() ? QStringLiteral("/tmp") : set);
    }
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
