#include "help/UpdateHandOff.h"

#include "base/FileAccess.h"
#include "base/FileError.h"
#include "data/text/SystemCodePage.h"

#include <QStringList>

QByteArray UpdateHandOffBytes(const UpdateHandOff &handOff)
{
    const QStringList lines{
        handOff.programTitle,
        handOff.windowTitle,
        handOff.programPath,
        handOff.handOverKeyName,
        QStringLiteral("%1 %2").arg(handOff.fontSize).arg(handOff.fontName),
    };
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toSystemCodePage(line) + "\r\n";
    return bytes;
}

bool WriteUpdateHandOff(const QString &path, const UpdateHandOff &handOff)
{
    removeFileAttributes(path);
    try {
        writeWholeFileAtomically(path, UpdateHandOffBytes(handOff));
    } catch (const FileError &) {
        // The caller names the file; the system's words add nothing for it.
        return false;
    }
    return true;
}
