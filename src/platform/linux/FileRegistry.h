#pragma once

#include "platform/Registry.h"

// The registry kept in files, one per key: the key
// HKEY_CURRENT_USER\Software\Lernwendel is the file
// <root>/HKEY_CURRENT_USER/Software/Lernwendel.reg (format: RegistryFile.h).
// Opening a key takes its lock (KeyLock.h) until the key is closed; every
// change replaces the key's file atomically, so a reader sees the old file or
// the new one. The lock file "<key file>.lock" stays when the key is deleted.
// Key paths are used as written: the file system tells letter case apart.
class FileRegistry final : public CurrentUserRegistry
{
public:
    explicit FileRegistry(std::u16string rootFolder);

    // $XDG_CONFIG_HOME/Lernwendel/registry ($XDG_CONFIG_HOME defaults to
    // ~/.config; under Qt's test mode the test's own configuration folder).
    static std::u16string DefaultRoot();

    RegistryResult OpenKey(const std::u16string &path, bool create,
                           std::unique_ptr<RegistryKey> &key) override;

private:
    const std::u16string m_root;
};
