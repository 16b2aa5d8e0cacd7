#include "platform/linux/KeyLock.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

namespace {

struct HeldLock
{
    int fd;
    int count;
};

// flock excludes other open files of the same lock file, even in this
// process; a thread that opens a key it holds already shares its lock.
thread_local QHash<QByteArray, HeldLock> heldByThisThread;

// Our own processes hold a key for milliseconds. One that keeps it far
// longer (stopped, hung) must not hang us in turn: the operation fails.
constexpr std::chrono::seconds longestWait(10);

bool lockWithin(int fd, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::chrono::microseconds pause(200);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(10000));
    }
}

} // namespace

KeyLock::KeyLock(KeyLock &&other) noexcept
    : m_path(std::move(other.m_path))
{
    other.m_path.clear();
}

KeyLock &KeyLock::operator=(KeyLock &&other) noexcept
{
    if (this != &other) {
        Release();
        m_path = std::move(other.m_path);
        other.m_path.clear();
    }
    return *this;
}

KeyLock::~KeyLock()
{
    Release();
}

bool KeyLock::Acquire(const QString &lockFile)
{
    Release();
    const QByteArray path = QFile::encodeName(lockFile);
    auto held = heldByThisThread.find(path);
    if (held != heldByThisThread.end()) {
        ++held->count;
        m_path = path;
        return true;
    }
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (!lockWithin(fd, longestWait)) {
        ::close(fd);
        return false;
    }
    heldByThisThread.insert(path, {fd, 1});
    m_path = path;
    return true;
}

void KeyLock::Release()
{
    if (m_path.isEmpty())
        return;
    auto held = heldByThisThread.find(m_path);
    if (held != heldByThisThread.end() && --held->count == 0) {
        ::close(held->fd); // closing the only descriptor releases the flock
        heldByThisThread.erase(held);
    }
    m_path.clear();
}
