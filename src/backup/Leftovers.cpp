#include "Leftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Six ASCII letters or digits, as the temporary names are filled.
bool sixLettersOrDigits(QStringView part)
{
    if (part.size() != 6)
        return false;
    for (const QChar c : part) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z')))
            return false;
    }
    return true;
}

} // namespace

namespace Leftovers {

QString copyTemplate()
{
    return u".Tarvento_copia-XXXXXX"_s;
}

bool isCopyTemporary(const QString& name)
{
    // Qt fills the X with letters, libzip its own with digits and small letters. Checked by
    // hand: the start checks every name of two folders, and needs no pattern engine for it.
    static const QString prefix = u".Tarvento_copia-"_s;
    if (!name.startsWith(prefix))
        return false;
    const QStringView rest = QStringView(name).sliced(prefix.size());
    return sixLettersOrDigits(rest) ||
           (rest.size() == 13 && rest[6] == u'.' && sixLettersOrDigits(rest.first(6)) &&
            sixLettersOrDigits(rest.sliced(7)));
}

QString extractionTemplate()
{
    return u".Tarvento_ripristino-XXXXXX"_s;
}

bool isExtraction(const QString& name)
{
    static const QString prefix = u".Tarvento_ripristino-"_s;
    return name.startsWith(prefix) && sixLettersOrDigits(QStringView(name).sliced(prefix.size()));
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
