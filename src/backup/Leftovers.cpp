#include "Leftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Entries of `folder` with one of our names, hidden ones included; links are never taken.
QList<QFileInfo> ours(const QString& folder, bool (*named)(const QString&))
{
    QList<QFileInfo> found;
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(all)) {
        if (named(entry.fileName()) && !entry.isSymLink())
            found.append(entry);
    }
    return found;
}

} // namespace

namespace Leftovers {

QString copyTemplate()
{
    return u".Tarvento_copia-XXXXXX"_s;
}

bool isCopyTemporary(const QString& name)
{
    // Qt fills the X with letters, libzip its own with digits and small letters.
    static const QRegularExpression shape(u"^\\.Tarvento_copia-[A-Za-z0-9]{6}(\\.[A-Za-z0-9]{6})?$"_s);
    return shape.match(name).hasMatch();
}

QString extractionTemplate()
{
    return u".Tarvento_ripristino-XXXXXX"_s;
}

bool isExtraction(const QString& name)
{
    static const QRegularExpression shape(u"^\\.Tarvento_ripristino-[A-Za-z0-9]{6}$"_s);
    return shape.match(name).hasMatch();
}

CopyFolder::CopyFolder(const QString& folder)
{
    m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return; // the copy itself will say what is wrong with the folder
    if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
        for (const QFileInfo& entry : ours(folder, &isCopyTemporary)) {
            if (entry.isFile())
                QFile::remove(entry.filePath());
        }
    }
    // Shared from here: other copies may write beside this one, no one removes their files.
    ::flock(m_fd, LOCK_SH);
}

CopyFolder::~CopyFolder()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void removeCopyTemporaries(const QString& folder)
{
    const CopyFolder tidied(folder);
}

void removeExtractions(const QString& dataFolder)
{
    for (const QFileInfo& entry : ours(dataFolder, &isExtraction)) {
        if (entry.isDir())
            QDir(entry.filePath()).removeRecursively();
    }
}

} // namespace Leftovers
