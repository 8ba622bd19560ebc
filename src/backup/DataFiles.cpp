#include "DataFiles.h"

#include "f24/SchedaF24.h"
#include "immobili/SchedaImmobile.h"
#include "ricevute/SchedaRicevuta.h"
#include "storage/ArchiveFile.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QStringList& documentFolders()
{
    static const QStringList folders{u"Documenti_Allegati"_s, u"Ricevute_PDF"_s};
    return folders;
}

bool isSettingsFile(const QString& name)
{
    static const QStringList names{u"Affitti.ini"_s, u"Causali.lst"_s, u"Logo.bmp"_s, u"unins000.dll"_s};
    return names.contains(name);
}

bool isJournal(const QString& name)
{
    const QString suffix = ArchiveFile::journalPath(QString());
    return name.endsWith(suffix) && DataFiles::isArchive(name.chopped(suffix.size()));
}

} // namespace

namespace DataFiles {

int recordSizeOf(const QString& path)
{
    static const QRegularExpression yearArchive(u"^[0-9]{4}\\.ric$"_s);
    if (path == SchedaImmobile::archiveName())
        return SchedaImmobile::layout().size();
    if (path == SchedaF24::archiveName())
        return SchedaF24::recordSize;
    if (yearArchive.match(path).hasMatch())
        return SchedaRicevuta::recordSize;
    return 0;
}

bool isArchive(const QString& path)
{
    return recordSizeOf(path) > 0;
}

QString pathProblem(const QString& path)
{
    if (path.startsWith(u'/'))
        return u"il nome «"_s + path + u"» è un percorso assoluto"_s;
    const QStringList parts = path.split(u'/');
    if (parts.contains(u".."_s))
        return u"il nome «"_s + path + u"» porta fuori dalla cartella dei dati"_s;
    if (parts.contains(QString()) || parts.contains(u"."_s) || path.contains(QChar(0)))
        return u"il nome «"_s + path + u"» non è un percorso valido"_s;
    return {};
}

bool isDataFile(const QString& path)
{
    if (!pathProblem(path).isEmpty())
        return false;
    const qsizetype slash = path.indexOf(u'/');
    if (slash < 0)
        return isArchive(path) || isSettingsFile(path);
    return documentFolders().contains(path.left(slash));
}

QList<DataFile> collect(const QString& folder)
{
    const QDir root(folder);
    QStringList paths;
    for (const QString& name : root.entryList(QDir::Files | QDir::Hidden)) {
        if (isDataFile(name))
            paths.append(name);
    }
    for (const QString& documents : documentFolders()) {
        QDirIterator it(root.filePath(documents), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(root.relativeFilePath(it.next()));
    }
    paths.sort();
    QList<DataFile> files;
    for (const QString& path : std::as_const(paths))
        files.append({path, recordSizeOf(path)});
    return files;
}

QStringList topLevelData(const QString& folder)
{
    QStringList names;
    const auto all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QString& name : QDir(folder).entryList(all, QDir::Name)) {
        if (isDataFile(name) || documentFolders().contains(name) || isJournal(name))
            names.append(name);
    }
    return names;
}

} // namespace DataFiles
