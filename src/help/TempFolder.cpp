#include "help/TempFolder.h"

#include <QDir>

QString GetTempFolder()
{
    QString folder = QDir::tempPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
