#include "BackupRestore.h"

#include "BackupCheck.h"
#include "DataFiles.h"
#include "platform/Clock.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

std::optional<int>& failingMove()
{
    static std::optional<int> move;
    return move;
}

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

// Renames that can be undone, newest first.
class Moves {
public:
    void move(const QString& from, const QString& to)
    {
        ++m_count;
        if (failingMove() == m_count ||
            std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
            throw Failure(u"Impossibile spostare "_s + from + u" in "_s + to + u'.');
        m_done.append({from, to});
    }
    // True when everything is back where it was.
    bool undo()
    {
        bool all = true;
        while (!m_done.isEmpty()) {
            const auto [from, to] = m_done.takeLast();
            all = std::rename(QFile::encodeName(to).constData(), QFile::encodeName(from).constData()) == 0 && all;
        }
        return all;
    }

private:
    int m_count = 0;
    QList<std::pair<QString, QString>> m_done;
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

QString newKeptFolder(const QDir& root)
{
    const QString base = u"Dati_prima_del_ripristino_"_s + Clock::now().toString(u"yyyy-MM-dd_HHmmss"_s);
    QString name = base;
    for (int n = 2; root.exists(name); ++n)
        name = base + u'_' + QString::number(n);
    if (!root.mkdir(name))
        cannotPrepare(root.path());
    return name;
}

} // namespace

void failRestoreMoveForTests(std::optional<int> move)
{
    failingMove() = move;
}

Restored restore(const QString& zipPath, const QString& folder)
{
    const QDir root(folder);
    QTemporaryDir staging(root.filePath(u".Tarvento_ripristino-XXXXXX"_s));
    if (!staging.isValid())
        cannotPrepare(root.path());
    Extraction extraction(staging.path(), root.path());
    Checked checked = check(zipPath, &extraction);
    if (!checked.problems.isEmpty())
        throw Failure(refusal(zipPath, checked.problems));
    if (!foldersSynced(staging.path()))
        cannotPrepare(root.path());

    Restored restored{checked.manifest, {}};
    const QStringList current = DataFiles::topLevelData(folder);
    const QStringList incoming = QDir(staging.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!current.isEmpty())
        restored.keptFolder = newKeptFolder(root);
    const QDir kept(root.filePath(restored.keptFolder));
    Moves moves;
    try {
        for (const QString& name : current)
            moves.move(root.filePath(name), kept.filePath(name));
        for (const QString& name : incoming)
            moves.move(QDir(staging.path()).filePath(name), root.filePath(name));
        if (!SafeWrite::folderSynced(root.filePath(Manifest::fileName)) ||
            !SafeWrite::folderSynced(kept.filePath(Manifest::fileName)))
            throw Failure(u"La cartella dei dati non si è potuta scrivere su disco."_s);
    } catch (const Failure& failure) {
        if (!moves.undo())
            throw Failure(u"Il ripristino non è riuscito e non tutti i dati sono tornati al loro posto: quelli che "
                          u"mancano si trovano nella cartella "_s + restored.keptFolder + u". "_s + failure.message());
        if (!restored.keptFolder.isEmpty())
            root.rmdir(restored.keptFolder);
        throw Failure(u"Il ripristino non è riuscito; i dati sono rimasti quelli di prima. "_s + failure.message());
    }
    return restored;
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
