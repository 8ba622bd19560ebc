#include "RestoreJournal.h"

#include "DataFiles.h"
#include "Leftovers.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace Backup {

namespace {

std::function<void(RestorePoint, int)>& seam()
{
    static std::function<void(RestorePoint, int)> hook;
    return hook;
}

constexpr QByteArrayView kHeader = "TARVENTO-RIPRISTINO 1";
constexpr QByteArrayView kExtraction = "Estratta: ";
constexpr QByteArrayView kKept = "Conservata: ";
constexpr QByteArrayView kAside = "Spostato: ";
constexpr QByteArrayView kIn = "Rimesso: ";
constexpr QByteArrayView kHash = "SHA-256: ";

QByteArray hashHex(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

[[noreturn]] void unreadable()
{
    throw Failure(u"il giornale "_s + RestoreJournal::fileName() + u" è illeggibile"_s);
}

// One name directly inside a folder: a journal never leads anywhere else.
QString singleName(QByteArrayView bytes, bool emptyAllowed)
{
    const QString name = QString::fromUtf8(bytes);
    if (name.isEmpty() ? !emptyAllowed : !DataFiles::pathProblem(name).isEmpty() || name.contains(u'/'))
        unreadable();
    return name;
}

enum class State { Made, NotMade, Unknown };

// Whether something is at `path` (a link counts as itself); Unknown when the system cannot say.
State presence(const QString& path)
{
    struct stat status;
    if (::lstat(QFile::encodeName(path).constData(), &status) == 0)
        return State::Made;
    return errno == ENOENT || errno == ENOTDIR ? State::NotMade : State::Unknown;
}

// Undoing newest first, a move is made when its target is there and its source is not: only
// the move itself takes a name out of the extraction folder or the data folder while a journal
// lists it, and the later move that could have taken the name again is undone already.
State state(const QDir& root, const RestoreJournal::Move& move)
{
    const State to = presence(root.filePath(move.to));
    const State from = presence(root.filePath(move.from));
    if (to == State::Unknown || from == State::Unknown)
        return State::Unknown;
    return to == State::Made && from == State::NotMade ? State::Made : State::NotMade;
}

// Every move made, judged newest first: the source of a move aside is taken again by the
// copy's file of the same name when that later move was made.
bool allMade(const QDir& root, const RestoreJournal& journal)
{
    const QList<RestoreJournal::Move> moves = journal.moves();
    QSet<QString> refilled;
    for (auto move = moves.crbegin(); move != moves.crend(); ++move) {
        const State to = presence(root.filePath(move->to));
        const State from = presence(root.filePath(move->from));
        if (to != State::Made || from == State::Unknown ||
            (from == State::Made && !refilled.contains(move->from)))
            return false;
        refilled.insert(move->to);
    }
    return true;
}

// A rename that never replaces what is at `to`.
bool renamed(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that flag: the lock keeps anyone else from making `to` meanwhile.
    return presence(to) == State::NotMade && std::rename(source.constData(), target.constData()) == 0;
}

// The data folder, the kept folder and the extraction folder, as far as they exist.
bool foldersSynced(const QDir& root, const RestoreJournal& journal)
{
    if (!SafeWrite::folderSynced(root.filePath(u"."_s)))
        return false;
    for (const QString& sub : {journal.kept, journal.extraction}) {
        if (!sub.isEmpty() && QFileInfo(root.filePath(sub)).isDir() &&
            !SafeWrite::folderSynced(root.filePath(sub + u"/."_s)))
            return false;
    }
    return true;
}

QString journalPath(const QString& folder)
{
    return QDir(folder).filePath(RestoreJournal::fileName());
}

// The folder cannot be trusted and nothing here can tell which files are whose.
[[noreturn]] void stateUnknown(const QString& folder, const QString& reason)
{
    throw Failure(
        u"Un ripristino di una copia di sicurezza si è interrotto prima della fine e non si può sapere quali "
        u"file aveva già sostituito: "_s +
        reason +
        u". Nulla è stato cancellato: i dati di prima che non sono più al loro posto si trovano nella più "
        u"recente delle cartelle che iniziano con Dati_prima_del_ripristino_. Rimettere a posto i file a "
        u"mano, poi cancellare il file "_s +
        RestoreJournal::fileName() + u" nella cartella "_s +
        QDir::toNativeSeparators(QDir::cleanPath(folder)) + u'.');
}

} // namespace

QString RestoreJournal::fileName()
{
    return u"Tarvento_ripristino-journal"_s;
}

QList<RestoreJournal::Move> RestoreJournal::moves() const
{
    QList<Move> all;
    for (const QString& name : movedAside)
        all.append({name, kept + u'/' + name});
    for (const QString& name : movedIn)
        all.append({extraction + u'/' + name, name});
    return all;
}

QByteArray RestoreJournal::text() const
{
    QByteArray body = kHeader.toByteArray() + '\n';
    body += kExtraction.toByteArray() + extraction.toUtf8() + '\n';
    body += kKept.toByteArray() + kept.toUtf8() + '\n';
    for (const QString& name : movedAside)
        body += kAside.toByteArray() + name.toUtf8() + '\n';
    for (const QString& name : movedIn)
        body += kIn.toByteArray() + name.toUtf8() + '\n';
    return body + kHash.toByteArray() + hashHex(body) + '\n';
}

RestoreJournal RestoreJournal::parse(const QByteArray& text)
{
    const qsizetype hashAt = text.lastIndexOf(kHash);
    if (hashAt < 0 || text.sliced(hashAt) != kHash.toByteArray() + hashHex(text.first(hashAt)) + '\n')
        unreadable();
    QList<QByteArray> lines = text.first(hashAt).split('\n');
    lines.removeLast(); // after the last line end
    if (lines.size() < 3 || lines[0] != kHeader || !lines[1].startsWith(kExtraction) ||
        !lines[2].startsWith(kKept))
        unreadable();
    RestoreJournal journal;
    journal.extraction = singleName(lines[1].sliced(kExtraction.size()), false);
    journal.kept = singleName(lines[2].sliced(kKept.size()), true);
    if (!Leftovers::isExtraction(journal.extraction))
        unreadable();
    for (qsizetype i = 3; i < lines.size(); ++i) {
        const QByteArray& line = lines[i];
        if (line.startsWith(kAside) && journal.movedIn.isEmpty() && !journal.kept.isEmpty())
            journal.movedAside.append(singleName(line.sliced(kAside.size()), false));
        else if (line.startsWith(kIn))
            journal.movedIn.append(singleName(line.sliced(kIn.size()), false));
        else
            unreadable();
    }
    return journal;
}

void writeJournal(const QString& folder, const RestoreJournal& journal)
{
    const QByteArray text = journal.text();
    const QString path = journalPath(folder);
    const qsizetype half = text.size() / 2;
    SafeWrite::replaceFile(path, [&](QIODevice& file) {
        if (!SafeWrite::writeAll(file, text.first(half)))
            return false;
        passRestorePoint(RestorePoint::JournalHalfWritten);
        return SafeWrite::writeAll(file, text.sliced(half));
    });
    if (!SafeWrite::folderSynced(path)) {
        QFile::remove(path); // nothing was moved: nothing to finish
        SafeWrite::cannotWrite(path);
    }
}

void makeMoves(const QString& folder, const RestoreJournal& journal)
{
    const QDir root(folder);
    if (!journal.kept.isEmpty() && !root.mkdir(journal.kept))
        throw Failure(u"Impossibile creare la cartella "_s + root.filePath(journal.kept) + u'.');
    int number = 0;
    for (const RestoreJournal::Move& move : journal.moves()) {
        passRestorePoint(RestorePoint::BeforeMove, ++number);
        if (!renamed(root.filePath(move.from), root.filePath(move.to)))
            throw Failure(u"Impossibile spostare "_s + root.filePath(move.from) + u" in "_s +
                          root.filePath(move.to) + u'.');
    }
    if (!foldersSynced(root, journal))
        throw Failure(u"La cartella dei dati non si è potuta scrivere su disco."_s);
    passRestorePoint(RestorePoint::MovesDone);
}

bool undoMoves(const QString& folder, const RestoreJournal& journal)
{
    const QDir root(folder);
    const QList<RestoreJournal::Move> moves = journal.moves();
    bool all = true;
    int undone = 0;
    for (auto move = moves.crbegin(); move != moves.crend(); ++move) {
        const State made = state(root, *move);
        if (made == State::NotMade)
            continue;
        if (made == State::Made)
            passRestorePoint(RestorePoint::BeforeUndo, ++undone);
        if (made == State::Unknown || !renamed(root.filePath(move->to), root.filePath(move->from)))
            all = false;
    }
    return all;
}

void closeJournal(const QString& folder, const RestoreJournal& journal)
{
    const QDir root(folder);
    const QString path = journalPath(folder);
    if (!foldersSynced(root, journal))
        throw Failure(u"La cartella dei dati non si è potuta scrivere su disco."_s);
    if (!journal.kept.isEmpty())
        root.rmdir(journal.kept); // only when empty: nothing of the data is in it
    if (!QFile::remove(path) || !SafeWrite::folderSynced(path))
        throw Failure(u"Impossibile cancellare il file "_s + path +
                      u": verificare che la cartella sia accessibile."_s);
    passRestorePoint(RestorePoint::JournalRemoved);
    Leftovers::removeExtractions(folder);
}

bool interruptedRestoreFound(const QString& folder)
{
    // A folder that cannot even be looked into says so where the data are read.
    return presence(journalPath(folder)) == State::Made;
}

Recovered finishInterruptedRestore(const QString& folder)
{
    Recovered recovered;
    if (interruptedRestoreFound(folder)) {
        const QDir root(folder);
        QFile file(journalPath(folder));
        RestoreJournal journal;
        try {
            if (!file.open(QIODevice::ReadOnly))
                unreadable();
            journal = RestoreJournal::parse(file.read(1 << 20));
        } catch (const Failure& failure) {
            stateUnknown(folder, failure.message());
        }
        if (!QFileInfo(root.filePath(journal.extraction)).isDir())
            stateUnknown(folder, u"manca la cartella "_s + journal.extraction +
                                     u", che conteneva i file della copia"_s);
        const bool completed = allMade(root, journal);
        if (!completed && !undoMoves(folder, journal))
            throw Failure(
                u"Un ripristino di una copia di sicurezza si è interrotto prima della fine e non si è potuto "
                u"annullare: verificare che la cartella "_s +
                QDir::toNativeSeparators(QDir::cleanPath(folder)) +
                u" sia accessibile e che il disco non sia pieno, poi avviare di nuovo il programma. "_s +
                nothingDeleted(journal.kept));
        closeJournal(folder, journal);
        recovered = {completed ? Recovered::Outcome::Completed : Recovered::Outcome::Undone, journal.kept};
    }
    Leftovers::removeExtractions(folder);
    return recovered;
}

QString nothingDeleted(const QString& kept)
{
    return kept.isEmpty() ? u"Nulla è stato cancellato."_s
                          : u"Nulla è stato cancellato: i dati di prima sono nella cartella "_s + kept + u'.';
}

QString recoveredMessage(const Recovered& recovered)
{
    const QString interrupted =
        u"Un ripristino di una copia di sicurezza si era interrotto (il programma si è chiuso "
        u"all'improvviso o il computer si è spento) "_s;
    switch (recovered.outcome) {
    case Recovered::Outcome::Nothing:
        return {};
    case Recovered::Outcome::Undone:
        return interrupted +
               u"prima della fine: è stato annullato e i dati sono quelli di prima del ripristino. Per "
               u"rimettere i dati della copia, ripetere il ripristino."_s;
    case Recovered::Outcome::Completed:
        return interrupted +
               u"quando tutti i file della copia erano già al loro posto: il ripristino è stato "
               u"completato."_s +
               (recovered.kept.isEmpty()
                    ? QString()
                    : u" I dati di prima sono nella cartella "_s + recovered.kept + u'.');
    }
    return {};
}

void setRestoreSeamForTests(std::function<void(RestorePoint point, int move)> hook)
{
    seam() = std::move(hook);
}

void passRestorePoint(RestorePoint point, int move)
{
    if (seam())
        seam()(point, move);
}

} // namespace Backup
