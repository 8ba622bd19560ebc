#include "BackupSave.h"

#include "BackupCheck.h"
#include "BackupDate.h"
#include "DataFiles.h"
#include "Leftovers.h"
#include "ZipFile.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/Formats.h"
#include "platform/Product.h"
#include "platform/SafeWrite.h"
#include "storage/ArchiveFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

struct Member {
    DataFiles::DataFile file;
    bool held = false; // the bytes are here (the settings, an archive read under its lock)
    QByteArray bytes;
    QDateTime modified;
};

[[noreturn]] void unreadable(const QString& path)
{
    throw Failure(u"Impossibile leggere il file "_s + path + u" per la copia di sicurezza."_s);
}

// Reads what goes into the copy and lists it in the manifest: an archive whole, under its
// lock; the settings with the day of this copy; any other file is hashed here and read again
// by the ZIP writer, and the check of the finished file catches a change in between.
Member readMember(const QDir& root, const DataFiles::DataFile& file, const QDate& day, ManifestEntry& entry)
{
    const QString path = root.filePath(file.path);
    entry.path = file.path;
    if (file.recordSize == 0 && file.path != settingsName()) {
        QFile source(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!source.open(QIODevice::ReadOnly) || !hash.addData(&source))
            unreadable(path);
        entry.size = source.size();
        entry.sha256 = hash.result();
        return {file, false, {}, {}};
    }
    Member member{file, true, {}, QFileInfo(path).lastModified()};
    if (file.recordSize > 0) {
        ArchiveFile archive(path, file.recordSize);
        archive.openOrCreate();
        member.bytes = archive.wholeFile();
        archive.close();
    } else {
        member.bytes = settingsWithDate(root.path(), day);
    }
    entry.size = member.bytes.size();
    entry.sha256 = QCryptographicHash::hash(member.bytes, QCryptographicHash::Sha256);
    return member;
}

// The target must not be one of the files the copy is made of, nor the program itself.
void refuseDataTarget(const QString& folder, const QString& zipPath)
{
    const QString relative = QDir(folder).relativeFilePath(zipPath);
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath();
    if (DataFiles::isDataFile(relative) || zipPath == program || relative == u"Tarvento.lock"_s)
        throw Failure(u"Il file "_s + zipPath +
                      u" è uno dei file del programma: scegliere un altro nome per la copia di sicurezza."_s);
}

} // namespace

Saved save(const QString& folder, const QString& zipPath)
{
    const QString target = QFileInfo(zipPath).absoluteFilePath();
    refuseDataTarget(folder, target);
    const QDir root(folder);

    Manifest manifest{Product::fullName(), Clock::now(), {}};
    QList<DataFiles::DataFile> files = DataFiles::collect(folder);
    if (std::none_of(files.cbegin(), files.cend(), [](const auto& f) { return f.path == settingsName(); })) {
        files.append({settingsName(), 0}); // made by recordDate() below
        std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    }
    QList<Member> members;
    for (const DataFiles::DataFile& file : std::as_const(files))
        members.append(readMember(root, file, manifest.created.date(), manifest.entries.emplace_back()));

    // Beside the target, so the final rename stays on one disk; hidden while it is made.
    const QString targetFolder = QFileInfo(target).absolutePath();
    const Leftovers::CopyFolder writing(targetFolder);
    QTemporaryFile temporary(targetFolder + u'/' + Leftovers::copyTemplate());
    if (!temporary.open())
        SafeWrite::cannotWrite(target);
    temporary.close();
    {
        ZipWriter zip(temporary.fileName());
        zip.addBytes(Manifest::fileName, manifest.text(), manifest.created);
        for (const Member& m : std::as_const(members)) {
            if (m.held)
                zip.addBytes(m.file.path, m.bytes, m.modified.isValid() ? m.modified : manifest.created);
            else
                zip.addFile(m.file.path, root.filePath(m.file.path));
        }
        members.clear();
        switch (zip.close()) {
        case ZipWriter::Closed::Written:
            break;
        case ZipWriter::Closed::SourceUnreadable:
            throw Failure(u"Un file dei dati non si è potuto leggere durante la copia di sicurezza: "
                          u"ripetere la copia."_s);
        case ZipWriter::Closed::DiskRefused:
            SafeWrite::cannotWrite(target);
        }
    }
    const Checked written = check(temporary.fileName());
    if (!written.problems.isEmpty() || written.manifest.entries != manifest.entries)
        throw Failure(u"La copia di sicurezza appena scritta non ha superato la verifica (un file è cambiato "
                      u"durante la copia, o il disco non ha conservato i dati): ripetere la copia."_s);
    SafeWrite::moveIntoPlace(temporary.fileName(), target);
    temporary.setAutoRemove(false); // it is the copy now

    Saved saved{int(manifest.entries.size()), QFileInfo(target).size(), true};
    try {
        recordDate(folder, manifest.created.date());
    } catch (const Failure&) {
        saved.dateRecorded = false;
    }
    return saved;
}

QString savedMessage(const Saved& saved)
{
    // Tenths of a megabyte, never shown as nothing: a copy always holds something.
    const double megabytes = std::max(0.1, std::round(double(saved.bytes) / 100000.0) / 10.0);
    QString text = u"Copia di sicurezza completata: "_s + QString::number(saved.files) + u" file, "_s +
                   Formats::number(megabytes, 1) + u" MB."_s;
    if (!saved.dateRecorded)
        text += u" La data della copia non si è potuta registrare in Affitti.ini."_s;
    return text;
}

QString proposedName(const QDate& day)
{
    return u"Tarvento_copia_"_s + day.toString(u"yyyy-MM-dd"_s) + u".zip"_s;
}

} // namespace Backup
