#pragma once

#include <QByteArrayView>
#include <QString>

// The title a vocabulary file shows in the file selection: its first line,
// read and re-decoded like TextDateiLesen and Utf8Erkennen do, trimmed at
// both ends (a TAB inside stays); "(Kein Titel)" for a file without lines or
// with a blank first line. Throws FileError when the file cannot be read.
QString TitelLesen(const QString &pfad);

// The title of a file holding these bytes.
QString titleOfFileBytes(QByteArrayView bytes);
