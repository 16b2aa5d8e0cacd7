#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// One value line of a key file in the syntax of a registry export, and the
// data after its "=":
//   "name"="text"          text; only \\ and \" are escapes
//   "name"=dword:0000000a  a 32-bit integer, one to eight hex digits
//   "name"=hex(N):61,00    bytes of type N (hex: alone is type 3); hex(1)
//                          and hex(2) are UTF-16LE text, hex(4) an integer
//   @=...                  the default value (empty name)
// Hex data may go on over several lines, each but the last ending in "\".

enum class RegistryValueKind { Text, Integer, Other };

struct RegistryFileValue
{
    QString name; // empty for the default value "@"
    RegistryValueKind kind = RegistryValueKind::Other;
    // For kind Other: the type the data claims ("..." or hex(1) text,
    // dword: or hex(4) integer) although it does not fit, else Other.
    RegistryValueKind meant = RegistryValueKind::Other;
    QString text;
    quint32 number = 0;
    QByteArray lines; // kind Other: the value's line(s) as they stood
};

// Blanks as the export syntax has them around names, "=" and data.
QStringView TrimmedRegistryLine(QStringView line);

// "name"=data or @=data: the name unescaped and the data trimmed; false for
// any other line.
bool SplitValueLine(QStringView line, QString &name, QStringView &data);

// Whether data is hex data that goes on over the next line.
bool ContinuesOnNextLine(QStringView data);

// Whether a (trimmed) line can go on hex data: hex digits, commas and blanks,
// perhaps ending in "\". A blank line or any other line ends the data, so a
// stray backslash never swallows the value below it.
bool IsHexContinuation(QStringView line);

// Sets kind, meant, text and number of value from its (joined) data.
void DecodeValueData(QStringView data, RegistryFileValue &value);

// The line of a Text or Integer value. Text that cannot stand on one line (a
// control character, a broken surrogate) is written as hex(1): its UTF-16LE
// bytes with the terminating zero, as the export syntax writes such text.
QByteArray EncodeValueLine(const RegistryFileValue &value);

// Whether a value name can be written on one line (no control character, no
// broken surrogate).
bool IsStorableValueName(const QString &name);
