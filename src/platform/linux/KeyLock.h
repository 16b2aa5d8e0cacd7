#pragma once

#include <QByteArray>
#include <QString>

// The lock of one registry key: flock on "<key file>.lock" beside the key's
// file. The lock file is never replaced or removed, so every process locks
// the same file. Within one thread the lock is shared: opening a key that
// the thread holds open already does not wait for itself. A lock is released
// on the thread that took it.
class KeyLock
{
public:
    KeyLock() = default;
    KeyLock(const KeyLock &) = delete;
    KeyLock &operator=(const KeyLock &) = delete;
    KeyLock(KeyLock &&other) noexcept;
    KeyLock &operator=(KeyLock &&other) noexcept;
    ~KeyLock();

    // Waits until the lock is ours; false when the lock file cannot be
    // opened, or another process keeps the lock for many seconds.
    bool Acquire(const QString &lockFile);
    void Release();

private:
    QByteArray m_path;
};
