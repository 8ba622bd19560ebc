#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <functional>
#include <list>

typedef struct zip zip_t;

// A standard ZIP file read through libzip: its members by index, each read in pieces.
class ZipReader {
public:
    // Throws Failure with an Italian text when `path` cannot be opened as a ZIP file.
    explicit ZipReader(const QString& path);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    struct Member {
        QString name;
        qint64 size = 0;
        bool link = false;    // a symbolic link
        bool regular = true;  // a plain file (not a link, a folder or a device)
    };
    qint64 count() const;
    Member member(qint64 index) const;
    // Hands the member's bytes to `piece` in order; false when they cannot all be read back
    // intact (a checksum or the compressed data do not hold, the file ends early).
    bool read(qint64 index, const std::function<void(QByteArrayView)>& piece) const;

private:
    zip_t* m_zip = nullptr;
};

// A new ZIP file written by libzip at close(). Members keep the order they were added in.
class ZipWriter {
public:
    // Creates `path` anew, replacing what is there. Throws Failure as ZipReader does.
    explicit ZipWriter(const QString& path);
    ~ZipWriter(); // discards everything when close() was not reached
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    void addBytes(const QString& name, const QByteArray& bytes, const QDateTime& modified);
    void addFile(const QString& name, const QString& file); // read at close()
    // Writes the file; nothing is left at `path` unless it was Written.
    enum class Closed { Written, SourceUnreadable, DiskRefused };
    Closed close();

    // A seam for tests: told how far close() has come (0 to 1) while it writes, as a kill
    // halfway through would find it.
    static void watchClosingForTests(std::function<void(double done)> watch);

private:
    void added(qint64 index, const QString& name);

    zip_t* m_zip = nullptr;
    std::list<QByteArray> m_kept; // the bytes of addBytes(), read by libzip at close()
};
