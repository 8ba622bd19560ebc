#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <optional>

// A file of fixed-size records with no header: record k (1-based) occupies bytes
// (k - 1) * size to k * size - 1; an incomplete last record is never counted or read.
// Every operation opens the file, works and closes it; while open, the file is held under
// an exclusive advisory lock, so a second running copy of the program waits instead of
// appending over the same record. Every failure throws Failure.
class ArchiveFile {
public:
    ArchiveFile(QString path, int recordSize);
    ~ArchiveFile();
    ArchiveFile(const ArchiveFile&) = delete;
    ArchiveFile& operator=(const ArchiveFile&) = delete;

    // Opens the existing file for reading and writing, or creates it empty when there is no
    // such file. An existing file that cannot be opened is never replaced.
    void openOrCreate();
    int count() const;
    void seek(int index); // 0-based record index
    void read(QByteArray& record);
    void write(const QByteArray& record);
    int currentIndex() const { return m_index; }
    bool atEnd() const { return m_index >= count(); }
    void close();

    const QString& path() const { return m_path; }

    // A seam for tests: the chosen step fails as the file system would. Running as root,
    // file permissions alone cannot make a file unreadable.
    enum class Step { Open, Read, Write };
    static void failForTests(std::optional<Step> step);

private:
    void failIfAsked(Step step) const;
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
    int m_recordSize;
    QFile m_file;
    int m_index = 0;
};
