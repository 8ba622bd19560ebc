#include "FolderLock.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(QString path) : m_path(std::move(path)) {}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock; the file stays, it holds nothing
}

FolderLock::Result FolderLock::tryLock()
{
    if (m_fd >= 0)
        return Result::Held;
    const QByteArray path = QFile::encodeName(m_path);
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC); // a lock needs no writing
    if (fd < 0)
        return Result::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool elsewhere = errno == EWOULDBLOCK;
        ::close(fd);
        return elsewhere ? Result::HeldElsewhere : Result::Unavailable;
    }
    m_fd = fd;
    return Result::Held;
}
