#include "platform/InstanceLock.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// The instance lock is flock on the file "<name>" in the user's runtime
// folder $XDG_RUNTIME_DIR, which exists once per logged-on user. Without it
// the folder is /tmp/lernwendel-<uid>, made for this user alone and trusted
// only while it is a real folder owned by the user and closed to others. The
// file is opened close-on-exec, so programs we start do not keep the lock.

namespace {

QByteArray lockFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (runtime.startsWith('/'))
        return runtime;
    const uid_t uid = ::getuid();
    const QByteArray folder = "/tmp/lernwendel-" + QByteArray::number(uint(uid));
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return {};
    struct stat info;
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid
        || (info.st_mode & 077) != 0)
        return {};
    return folder;
}

class FlockInstanceLock final : public InstanceLock
{
public:
    explicit FlockInstanceLock(int fd)
        : m_fd(fd)
    {}
    ~FlockInstanceLock() override { ::close(m_fd); }

private:
    const int m_fd;
};

} // namespace

std::unique_ptr<InstanceLock> InstanceLock::Create(const std::u16string &name,
                                                   InstanceLockState &state)
{
    state = InstanceLockState::Failed;
    const QByteArray folder = lockFolder();
    QString fileName = QString::fromStdU16String(name);
    fileName.replace(u'/', u'_').remove(QChar(0));
    if (folder.isEmpty() || fileName.isEmpty() || fileName == u"." || fileName == u"..")
        return nullptr;
    const QByteArray path = folder + '/' + QFile::encodeName(fileName);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return nullptr;
    int result;
    do
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        if (errno == EWOULDBLOCK)
            state = InstanceLockState::HeldElsewhere;
        ::close(fd);
        return nullptr;
    }
    state = InstanceLockState::Acquired;
    return std::make_unique<FlockInstanceLock>(fd);
}
