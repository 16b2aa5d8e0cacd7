#pragma once

#include <QString>

// Writes text as the program stores every vocabulary file: UTF-16
// little-endian with byte-order mark, CR LF after every line (the last one
// too). Replaces an existing file atomically; throws FileError.
void TextDateiSchreiben(const QString &path, const QString &text);
