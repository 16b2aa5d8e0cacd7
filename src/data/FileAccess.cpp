#include "data/FileAccess.h"

#include "data/FileError.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

[[noreturn]] void fail(const QString &path, const QString &systemText)
{
    throw FileError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), systemText));
}

} // namespace

QByteArray readWholeFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(path, file.errorString());
    return bytes;
}

void writeWholeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString text = file.errorString();
        file.cancelWriting();
        fail(path, text);
    }
    if (!file.commit())
        fail(path, file.errorString());
}
