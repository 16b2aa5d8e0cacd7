#pragma once

#include "base/ProgramTitle.h"

#include <QString>
#include <QStringList>

class CurrentUserRegistry;

// One set of hand-over requests; an empty text requests nothing. Written as
// the text values "ProgramParameters", "ProgramSetFocus" and "ProgramClose",
// in this order of reading and of priority.
struct TRegistrySettings
{
    QString Parameters;
    QString SetFocus;
    QString Close;

    TRegistrySettings SetData(const QString &AParameters, const QString &ASetFocus,
                              const QString &AClose);

    // Only SetFocus (Close) set: to the argument, or to "1" when it is empty.
    static TRegistrySettings rsSetFocus(const QString &ASetFocus);
    static TRegistrySettings rsClose(const QString &AClose);
    // Only Parameters set: to the argument, or when it is empty to the
    // command-line arguments (without the program path), each trimmed, an
    // empty one left out, each followed by "|" unless it is the last argument.
    static TRegistrySettings rsParameters(const QString &AParameters, const QStringList &arguments);
};

// Writes the record's non-empty fields into the key, creating it; nothing is
// touched when all are empty. False on any registry error.
bool WriteRegistrySettings(CurrentUserRegistry &registry, const QString &keyName,
                           const TRegistrySettings &settings);

// Consumes the key's requests: each of the three values that exists is read
// and deleted; the key is deleted when no value is left in it. True when a
// value was found. A registry error (a value that is not text among them)
// gives false: values read before it are gone, it and those after it stay.
bool ReadRegistrySettings(CurrentUserRegistry &registry, const QString &keyName,
                          TRegistrySettings &settings);
