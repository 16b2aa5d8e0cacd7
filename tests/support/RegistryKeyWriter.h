#pragma once

#include <QString>
#include <QStringList>

class CurrentUserRegistry;

// A value as tests write it: "Name=text" or "Name:dword=12".
struct RegistryValueSpec
{
    QString name;
    bool isText = true;
    QString text;
    int number = 0;
};

RegistryValueSpec parseRegistryValueSpec(const QString &entry);

// Makes the key (a path below HKEY_CURRENT_USER, "\Software\Lernwendel")
// hold exactly these values, through the registry's own operations, so a
// test states stored settings without knowing how a backend keeps them.
// False when any step fails.
bool writeRegistryKey(CurrentUserRegistry &registry, const QString &key, const QStringList &values);
