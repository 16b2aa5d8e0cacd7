#pragma once

#include "platform/linux/RegistryValueCodec.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

// The text of one registry key as the Linux backend stores it: UTF-8 in the
// syntax of a registry export, so that a learner can read and edit it.
//
//   Windows Registry Editor Version 5.00
//   <blank line>
//   [HKEY_CURRENT_USER\Software\Lernwendel]
//   "AktOrdner"=dword:00000002
//   "FontName"="Arial"
//
// Every line ends with LF. A key without values is exactly the first three
// lines. The value lines are those of RegistryValueCodec.h.
//
// Reading is tolerant of what hand editing and other writers leave: a BOM,
// CR LF, blank lines, blanks around "=", a missing header, hex data continued
// over several lines. Nothing is ever guessed: a line that is not a well-formed
// value is kept as it stands and written back unchanged, a value of another
// type (hex:, hex(7):...) keeps its lines, and a value whose data does not fit
// its type is reported as such when read. Sections naming another key are
// kept, after the key's own values, and never read as its values. When a name
// occurs twice the later value counts, in the place of the first.

struct RegistryFileEntry
{
    bool isValue = false;
    RegistryFileValue value;
    QByteArray line; // not a value: the line as it stood
};

struct RegistryFile
{
    std::vector<RegistryFileEntry> entries; // the key's own section, in order
    QList<QByteArray> otherSections; // lines of sections of other keys

    RegistryFileValue *find(const QString &name);
    QStringList valueNames() const;
    void setText(const QString &name, const QString &text);
    void setNumber(const QString &name, quint32 number);
    bool remove(const QString &name);
};

// keyName is the full key path as in the section line,
// "HKEY_CURRENT_USER\Software\Lernwendel".
RegistryFile ParseRegistryFile(const QByteArray &bytes, const QString &keyName);
QByteArray FormatRegistryFile(const RegistryFile &file, const QString &keyName);
