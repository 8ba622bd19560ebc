#include "SafeWrite.h"

#include "Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
bool& writesFail()
{
    static bool fail = false;
    return fail;
}
} // namespace

namespace SafeWrite {

void cannotWrite(const QString& path)
{
    throw Failure(
        u"Impossibile scrivere il file "_s + path +
        u". Verificare che la cartella sia accessibile, che il disco non sia pieno e che il file non sia "
        u"aperto in un altro programma."_s);
}

namespace {
// A large file written to the disk piece by piece: every few megabytes the disk is asked to
// start writing what has come so far, while the rest is being made, so the final sync waits
// only for the last piece rather than for the whole file.
bool startWriteBack(QIODevice& device, qint64 before, qint64 after)
{
    constexpr qint64 step = qint64(4) << 20;
    auto* file = qobject_cast<QFileDevice*>(&device);
    if (!file || before / step == after / step)
        return true;
    if (!file->flush())
        return false;
    // Only a request: a failure here shows again at the final sync.
    ::sync_file_range(file->handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
    return true;
}
} // namespace

bool writeAll(QIODevice& device, const QByteArray& content)
{
    if (writesFail())
        return false;
    const qint64 before = device.pos();
    return device.write(content) == content.size() && startWriteBack(device, before, device.pos());
}

bool synced(int descriptor, bool dataOnly)
{
    if ((dataOnly ? ::fdatasync(descriptor) : ::fsync(descriptor)) == 0)
        return true;
    return errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
}

void failWritesForTests(bool fail)
{
    writesFail() = fail;
}

void replaceFile(const QString& path, const QByteArray& content)
{
    replaceFile(path, [&](QIODevice& file) { return writeAll(file, content); });
}

void replaceFile(const QString& path, const std::function<bool(QIODevice& file)>& writeContent)
{
    QSaveFile file(path);
    // A full disk can make commit() succeed over a truncated file: check every write, the
    // flush and the sync first, and cancel otherwise. commit() syncs too but ignores the result,
    // and a disk that fills up or fails may say so only when the cached bytes are written out.
    if (!file.open(QIODevice::WriteOnly) || !writeContent(file) || !file.flush() ||
        !synced(file.handle(), true)) {
        file.cancelWriting();
        cannotWrite(path);
    }
    if (!file.commit())
        cannotWrite(path);
}

bool folderSynced(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool done = synced(fd);
    ::close(fd);
    return done;
}

void moveIntoPlace(const QString& temporary, const QString& path)
{
    const QByteArray from = QFile::encodeName(temporary);
    const int fd = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    const bool fileSynced = fd >= 0 && synced(fd);
    if (fd >= 0)
        ::close(fd);
    if (writesFail() || !fileSynced || ::rename(from.constData(), QFile::encodeName(path).constData()) != 0)
        cannotWrite(path);
    if (!folderSynced(path))
        cannotWrite(path);
}

} // namespace SafeWrite
