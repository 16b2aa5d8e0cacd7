#include "base/FileAccess.h"

#include "base/FileError.h"

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
    // Unbuffered: QSaveFile does not notice a write that fails while close()
    // flushes its buffer and would rename the torn file over the old one. So
    // every byte goes out here, where a failure can be seen.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(path, file.errorString());
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write (a full disk) is followed by one that reports why.
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString text = file.errorString();
            file.cancelWriting();
            fail(path, text);
        }
        written += n;
    }
    if (!file.commit())
        fail(path, file.errorString());
}

void removeFileAttributes(const QString &path)
{
    const QFileDevice::Permissions permissions = QFile::permissions(path);
    if (permissions && !(permissions & QFileDevice::WriteOwner))
        QFile::setPermissions(path, permissions | QFileDevice::WriteOwner);
}
