#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A restore replaces the data by renames: the data in place into the kept folder, then the
// copy's files from the extraction folder into place. Before the first rename the journal
// (Tarvento_ripristino-journal in the data folder, written through the safe writer and synced)
// lists them all; it is removed, and the folder synced, only once every rename is on the disk.
// A kill or a power cut in between leaves the journal, and whoever next uses the data folder
// finishes it: when every rename was made the restore stands, otherwise every rename made is
// undone (the copy's files go back into the extraction folder, which is then removed), so the
// folder holds all the data of before or all the copy's, never a mix. A rename counts as made
// when its target is there and its source is not: nothing depends on which renames the disk
// kept, and undoing twice is undoing once.
//
// Layout (UTF-8, one item a line): "TARVENTO-RIPRISTINO 1", "Estratta: <extraction folder>",
// "Conservata: <kept folder, empty when there was no data>", "Spostato: <name>" for each name
// moved aside, "Rimesso: <name>" for each name put in place, "SHA-256: <hex of the lines before>".
namespace Backup {

struct RestoreJournal {
    QString extraction;     // ".Tarvento_ripristino-XXXXXX", in the data folder
    QString kept;           // "Dati_prima_del_ripristino_…", in the data folder; empty when not needed
    QStringList movedAside; // names in the data folder that go into `kept`
    QStringList movedIn;    // names in `extraction` that go into the data folder

    struct Move {
        QString from, to; // relative to the data folder
    };
    QList<Move> moves() const; // in the order they are made

    QByteArray text() const;
    static RestoreJournal parse(const QByteArray& text); // throws Failure when it is not a whole journal
    static QString fileName();                           // "Tarvento_ripristino-journal"
};

// Writes the journal into the data folder `folder`, synced. Throws Failure, leaving no journal.
void writeJournal(const QString& folder, const RestoreJournal& journal);
// Creates the kept folder, makes every move and syncs the folders. Throws Failure at the
// first refusal, with the moves made so far left as they are.
void makeMoves(const QString& folder, const RestoreJournal& journal);
// Undoes every move made, newest first; false when one could not be undone.
bool undoMoves(const QString& folder, const RestoreJournal& journal);
// The end of a restore, done or undone: the folders synced, the kept folder removed when
// nothing is in it, the journal removed and the folder synced, then the extraction folder
// removed. Throws Failure when the journal cannot be removed.
void closeJournal(const QString& folder, const RestoreJournal& journal);

// What the next use of the data folder found of a restore a kill or a power cut interrupted.
struct Recovered {
    enum class Outcome { Nothing, Undone, Completed };
    Outcome outcome = Outcome::Nothing;
    QString kept; // the journal's kept folder
};

bool interruptedRestoreFound(const QString& folder); // a journal is there
// Finishes the restore whose journal is in `folder` (see above) and removes the extraction
// folders that restores killed before their journal left. The caller holds the data folder's
// lock. Throws Failure, naming where the data are, when the journal cannot be read or the
// renames cannot be undone: the folder must then not be used.
Recovered finishInterruptedRestore(const QString& folder);
// What to tell the user, once; empty when there was nothing to finish.
QString recoveredMessage(const Recovered& recovered);
// "Nulla è stato cancellato: i dati di prima sono nella cartella …."
QString nothingDeleted(const QString& kept);

// A seam for tests: called at each point of a restore, or of its undoing, where a kill could
// land, in order.
enum class RestorePoint {
    Extracted,          // the copy taken out and checked, no journal yet
    JournalHalfWritten, // half of the journal's bytes written
    JournalWritten,     // the journal on the disk, nothing moved yet
    BeforeMove,         // before move number `move` (1 for the first)
    MovesDone,          // every move made and synced, the journal still there
    JournalRemoved,     // the journal removed, the extraction folder not yet
    BeforeUndo,         // undoing: before the `move`-th move made is undone
};
void setRestoreSeamForTests(std::function<void(RestorePoint point, int move)> seam);
void passRestorePoint(RestorePoint point, int move = 0);

} // namespace Backup
