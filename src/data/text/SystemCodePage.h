#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The 8-bit code page of files without a byte-order mark: Windows-1252, with
// its five unassigned bytes 81, 8D, 8F, 90 and 9D standing for the control
// characters of the same number. So every byte is one character and back, and
// a text read this way gives the file's own bytes again.
QString fromSystemCodePage(QByteArrayView bytes);
QChar systemCodePageCharacter(unsigned char byte);

// The byte of a character, -1 when the code page lacks it.
int systemCodePageByte(QChar character);

// Characters the code page lacks become "?".
QByteArray toSystemCodePage(QStringView text);
