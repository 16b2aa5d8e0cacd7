#pragma once

#include <QByteArrayView>
#include <QString>

// File kinds, decided by the first four bytes.
namespace TextKind {
enum : int {
    Unreadable = 0,
    EightBit = 1, // the system code page, or UTF-8 without a mark
    ByteOrderMark = 2, // UTF-16 or UTF-32 with a mark
    Rtf = 3,
    Utf8Mark = 4,
};
}

// The kind of a file; a file that cannot be opened or read is Unreadable.
int TextDateiArt(const QString &path);

// The kind of a file holding these bytes (never Unreadable).
int textKindOf(QByteArrayView bytes);

// The whole text of a file, every line followed by CR LF. Throws FileError
// when the file cannot be read.
QString TextDateiLesen(const QString &path);

// What TextDateiLesen gives for a file holding these bytes.
QString textOfFileBytes(QByteArrayView bytes);

// The same text with the line breaks of the file.
QString decodedFileText(QByteArrayView bytes);
