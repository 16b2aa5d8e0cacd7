#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and writing with the system's error text. Both throw
// FileError.
QByteArray readWholeFile(const QString &path);

// Writes into a temporary file beside path and renames it over path only once
// everything is on disk: a full disk or a crash leaves the old file or the
// new one, never a torn one.
void writeWholeFileAtomically(const QString &path, const QByteArray &bytes);

// Clears what would keep the learner from changing, renaming or deleting the
// file at path (on Windows its read-only, hidden, system and archive marks).
// Here that is the owner's write permission; a hidden file is hidden by its
// name, which stays. A failure is not reported: what comes next shows it.
void removeFileAttributes(const QString &path);
