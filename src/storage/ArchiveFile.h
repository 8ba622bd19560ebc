#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <optional>

// A file of fixed-size records with no header: record k (1-based) occupies bytes
// (k - 1) * size to k * size - 1; an incomplete last record is never counted or read.
// Every operation opens the file, works and closes it; while open, the file is held under
// an exclusive advisory lock, so a second running copy of the program waits instead of
// appending over the same record. Every failure throws Failure.
//
// Writes reach the disk (fsync) before write() returns. Overwriting a record first keeps the
// old record in a rollback journal beside the archive (journalPath()), written and flushed
// before the archive is touched and removed once the new record is on the disk; opening an
// archive with a journal beside it puts the old record back first, so a crash or a power cut
// in the middle of an overwrite leaves the old record or the new one, never a mix. A journal
// that is itself incomplete (the crash came while writing it) is discarded: the archive was
// not touched yet. A single append needs no journal: a partial last record is never counted,
// and the next append writes over it. Several records appended together (appendAll) are all
// or none: the journal then holds the archive's length before them, and rolling it back cuts
// the archive to that length.
//
// Journal layouts (all integers little-endian). Overwrite: "TRVJRN01" (8 bytes), the record's
// byte offset in the archive (8 bytes), the record size (4 bytes), the old record, then the
// SHA-256 of everything before it (32 bytes). Append: "TRVAPP01" (8 bytes), the archive's
// length in bytes before the append (8 bytes), the record size (4 bytes), then the SHA-256 of
// those 20 bytes (32 bytes).
class ArchiveFile {
public:
    ArchiveFile(QString path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Opens the existing file for reading and writing, or creates it empty when there is no
    // such file. An existing file that cannot be opened is never replaced. A journal beside
    // the archive is rolled back first.
    void openOrCreate();
    qint64 count() const;
    void seek(qint64 index); // 0-based record index
    void read(QByteArray& record);
    // Reads `records` whole records from the current one with a single read, for passes over
    // the archive (which take count() once). Fails as read() does; when fewer bytes arrive
    // (the archive ends sooner), `block` keeps the whole records that did before the failure
    // is thrown.
    void readBlock(QByteArray& block, qint64 records);
    void write(const QByteArray& record);
    // Appends the records after the last whole one, all or none: when a write fails the archive
    // is cut back to its old length before the failure is thrown, and when the program dies
    // meanwhile the next opening does it. A partial last record, which nothing counts, is not
    // kept. The current record is then the end of the archive.
    void appendAll(const QList<QByteArray>& records);
    // Every byte of the open file, a partial last record included: what a copy of the
    // archive holds, read under the lock so no save is caught halfway.
    QByteArray wholeFile();
    qint64 currentIndex() const { return m_index; }
    bool atEnd() const { return m_index >= count(); }
    void close();

    const QString& path() const { return m_path; }
    static QString journalPath(const QString& archivePath);

    // A seam for tests: the chosen step fails as the file system would. Running as root,
    // file permissions alone cannot make a file unreadable. Tear stops an overwrite halfway,
    // as a kill or a power cut would: half of the new record is on the disk, the journal stays.
    // In appendAll both come after half of the records reached the file: Write as a full disk
    // (the archive is cut back at once), Tear as a kill (the journal stays).
    enum class Step { Open, Read, Write, Tear };
    static void failForTests(std::optional<Step> step);

private:
    void failIfAsked(Step step) const;
    [[noreturn]] void fail(const QString& what) const;
    void rollBackJournal();
    void writeJournal(qint64 offset);
    void storeJournal(QByteArray bytes);
    void undoAppend(qint64 length);
    void removeJournal();
    void syncFile();
    void writeAt(qint64 offset, const QByteArray& bytes);

    QString m_path;
    int m_recordSize;
    QFile m_file;
    qint64 m_index = 0;
};
