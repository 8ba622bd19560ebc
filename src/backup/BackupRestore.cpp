#include "BackupRestore.h"

#include "BackupCheck.h"
#include "DataFiles.h"
#include "Leftovers.h"
#include "RestoreJournal.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

[[noreturn]] void cannotPrepare(const QString& folder)
{
    throw Failure(u"Impossibile preparare il ripristino nella cartella "_s + folder +
                  u": verificare che sia accessibile e che il disco non sia pieno. I dati non sono stati toccati."_s);
}

// Writes the members of the copy, as they are read and checked, below a folder of its own
// (`root`) inside the data folder.
class Extraction final : public MemberSink {
public:
    Extraction(QString root, QString dataFolder) : m_root(std::move(root)), m_dataFolder(std::move(dataFolder)) {}

    void begin(const QString& path) override
    {
        m_file.setFileName(m_root + u'/' + path);
        if (!QDir().mkpath(QFileInfo(m_file).absolutePath()) || !m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            cannotPrepare(m_dataFolder);
    }
    void write(QByteArrayView bytes) override
    {
        if (!SafeWrite::writeAll(m_file, bytes.toByteArray()))
            cannotPrepare(m_dataFolder);
    }
    void end() override
    {
        const bool written = m_file.flush() && SafeWrite::synced(m_file.handle());
        m_file.close();
        if (!written)
            cannotPrepare(m_dataFolder);
    }

private:
    QString m_root;
    QString m_dataFolder;
    QFile m_file;
};

// The entries of every folder below `root` on the disk, as the files themselves already are.
bool foldersSynced(const QString& root)
{
    QDirIterator it(root, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (!SafeWrite::folderSynced(it.next() + u"/."_s))
            return false;
    }
    return SafeWrite::folderSynced(root + u"/."_s);
}

// A name for the folder that keeps the data found in place, free in `root`.
QString newKeptFolder(const QDir& root)
{
    const QString base = u"Dati_prima_del_ripristino_"_s + Clock::now().toString(u"yyyy-MM-dd_HHmmss"_s);
    QString name = base;
    for (int n = 2; root.exists(name); ++n)
        name = base + u'_' + QString::number(n);
    return name;
}

} // namespace

Restored restore(const QString& zipPath, const QString& folder)
{
    finishInterruptedRestore(folder); // a restore killed earlier is finished before this one starts
    const QDir root(folder);
    QTemporaryDir staging(root.filePath(Leftovers::extractionTemplate()));
    if (!staging.isValid())
        cannotPrepare(root.path());
    Extraction extraction(staging.path(), root.path());
    Checked checked = check(zipPath, &extraction);
    if (!checked.problems.isEmpty())
        throw Failure(refusal(zipPath, checked.problems));
    if (!foldersSynced(staging.path()))
        cannotPrepare(root.path());
    passRestorePoint(RestorePoint::Extracted);

    RestoreJournal journal;
    journal.extraction = QFileInfo(staging.path()).fileName();
    journal.movedAside = DataFiles::topLevelData(folder);
    journal.movedIn = QDir(staging.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!journal.movedAside.isEmpty())
        journal.kept = newKeptFolder(root);
    // From here the extraction folder goes only after the journal: the journal's undo puts
    // the copy's files back into it.
    staging.setAutoRemove(false);
    try {
        writeJournal(folder, journal);
    } catch (const Failure&) {
        if (!interruptedRestoreFound(folder))
            staging.remove();
        cannotPrepare(root.path());
    }
    passRestorePoint(RestorePoint::JournalWritten);
    try {
        makeMoves(folder, journal);
    } catch (const Failure& failure) {
        if (!undoMoves(folder, journal))
            throw Failure(u"Il ripristino non è riuscito e non tutti i dati sono tornati al loro posto; il programma "
                          u"riproverà a rimetterli al prossimo avvio. "_s +
                          nothingDeleted(journal.kept) + u' ' + failure.message());
        try {
            closeJournal(folder, journal);
        } catch (const Failure&) {
            // The data are back; the journal left behind is closed at the next start.
        }
        throw Failure(u"Il ripristino non è riuscito; i dati sono rimasti quelli di prima. "_s + failure.message());
    }
    closeJournal(folder, journal);
    return {checked.manifest, journal.kept};
}

QString confirmation(const Manifest& manifest)
{
    return u"Ripristinare la copia di sicurezza salvata "_s + madeOn(manifest) + u", che contiene "_s +
           QString::number(manifest.entries.size()) +
           u" file?\n\nI dati attuali saranno spostati in una cartella Dati_prima_del_ripristino_... accanto al "
           u"programma: nulla viene cancellato."_s;
}

QString restoredMessage(const Restored& restored)
{
    QString text = u"Ripristino completato: "_s + QString::number(restored.manifest.entries.size()) +
                   u" file dalla copia salvata "_s + madeOn(restored.manifest) + u'.';
    if (!restored.keptFolder.isEmpty())
        text += u" I dati di prima sono nella cartella "_s + restored.keptFolder + u'.';
    return text;
}

} // namespace Backup
