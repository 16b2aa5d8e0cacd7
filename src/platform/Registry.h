#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The current user's branch of the registry: the settings key and the
// hand-over key live there. Text is UTF-16, as the registry stores it.

enum class RegistryResult {
    Ok,
    Missing, // the key or the value does not exist (or the key was deleted)
    WrongType, // the value exists but holds another type
    BadData, // the value claims the type asked for but its data does not fit
    Failed // the key could not be reached, read or written
};

// One open key. While a key is open its operations are atomic together:
// another process that opens the same key waits until this one is closed,
// so a sequence such as "read, delete, delete the key when empty" cannot
// interleave with a writer. Close a key (destroy the object) promptly.
class RegistryKey
{
public:
    virtual ~RegistryKey() = default;

    virtual bool ValueExists(const std::u16string &name) = 0;
    // Text is REG_SZ (REG_EXPAND_SZ reads as text too, unexpanded).
    virtual RegistryResult ReadText(const std::u16string &name, std::u16string &value) = 0;
    // A REG_DWORD, its 32 bits taken as a signed number.
    virtual RegistryResult ReadInteger(const std::u16string &name, std::int32_t &value) = 0;
    virtual RegistryResult WriteText(const std::u16string &name, const std::u16string &value) = 0;
    virtual RegistryResult WriteInteger(const std::u16string &name, std::int32_t value) = 0;
    virtual RegistryResult DeleteValue(const std::u16string &name) = 0;
    // The names of the key's values in the order they were first written.
    virtual RegistryResult ValueNames(std::vector<std::u16string> &names) = 0;
    // Deletes this key with its values; every later operation on it reports
    // Missing.
    virtual RegistryResult DeleteKey() = 0;
};

class CurrentUserRegistry
{
public:
    virtual ~CurrentUserRegistry() = default;

    // path is relative to HKEY_CURRENT_USER, its parts separated by "\"; a
    // leading "\" is allowed ("\Software\Lernwendel"). Without create a
    // missing key gives Missing and key stays empty.
    virtual RegistryResult OpenKey(const std::u16string &path, bool create,
                                   std::unique_ptr<RegistryKey> &key) = 0;

    // The registry of this system for the user running the program. May be
    // used from several threads at once.
    static std::unique_ptr<CurrentUserRegistry> Create();
};
