#include "FolderLock.h"

#include <QFile>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::FolderLock(QString path) : m_path(std::move(path)) {}

FolderLock::~FolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock; the file stays, it holds nothing
}

bool FolderLock::tryLock()
{
    if (m_fd >= 0)
        return true;
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}
