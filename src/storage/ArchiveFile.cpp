#include "ArchiveFile.h"

#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QtEndian>
#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
std::optional<ArchiveFile::Step>& injectedFailure()
{
    static std::optional<ArchiveFile::Step> step;
    return step;
}

constexpr char kJournalMagic[] = "TRVJRN01";
constexpr char kAppendMagic[] = "TRVAPP01";
constexpr qsizetype kMagicSize = 8;
constexpr qsizetype kHeaderSize = kMagicSize + 8 + 4;
constexpr qsizetype kHashSize = 32;
constexpr qsizetype kAppendJournalSize = kHeaderSize + kHashSize;

QByteArray journalHeader(const char* magic, qint64 number, int recordSize)
{
    QByteArray bytes(magic, kMagicSize);
    char field[8];
    qToLittleEndian<qint64>(number, field);
    bytes.append(field, 8);
    qToLittleEndian<quint32>(quint32(recordSize), field);
    bytes.append(field, 4);
    return bytes;
}

QByteArray journalHash(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
} // namespace

ArchiveFile::ArchiveFile(QString path, int recordSize) : m_path(std::move(path)), m_recordSize(recordSize) {}

ArchiveFile::~ArchiveFile()
{
    if (m_file.isOpen())
        m_file.close(); // closing the descriptor releases the lock
}

void ArchiveFile::failForTests(std::optional<Step> step)
{
    injectedFailure() = step;
}

void ArchiveFile::failIfAsked(Step step) const
{
    if (injectedFailure() == step)
        fail(u"errore simulato"_s);
}

void ArchiveFile::fail(const QString& what) const
{
    throw Failure(u"Archivio "_s + m_path + u": "_s + what);
}

QString ArchiveFile::journalPath(const QString& archivePath)
{
    return archivePath + u"-journal"_s;
}

void ArchiveFile::openOrCreate()
{
    failIfAsked(Step::Open);
    m_file.setFileName(m_path);
    // Unbuffered: each record goes to the file in one write whose count is checked.
    const auto mode = QIODevice::ReadWrite | QIODevice::Unbuffered;
    bool opened = false;
    if (QFileInfo::exists(m_path)) {
        opened = m_file.open(mode);
    } else {
        // NewOnly never truncates a file another copy of the program created meanwhile.
        opened = m_file.open(mode | QIODevice::NewOnly) || (QFileInfo::exists(m_path) && m_file.open(mode));
    }
    if (!opened)
        fail(m_file.errorString());
    if (::flock(m_file.handle(), LOCK_EX) != 0) {
        m_file.close();
        fail(u"impossibile bloccare il file"_s);
    }
    m_index = 0;
    // Under the lock: no other operation is between its journal and the overwrite.
    try {
        rollBackJournal();
    } catch (...) {
        m_file.close();
        throw;
    }
}

void ArchiveFile::rollBackJournal()
{
    const QString journalName = journalPath(m_path);
    if (!QFileInfo::exists(journalName))
        return;
    QFile journal(journalName);
    if (!journal.open(QIODevice::ReadOnly))
        fail(u"giornale di ripristino illeggibile"_s);
    // Read no more than a whole journal can hold: anything longer is not one of ours.
    const qint64 overwriteSize = kHeaderSize + m_recordSize + kHashSize;
    const QByteArray bytes = journal.read(std::max(overwriteSize, qint64(kAppendJournalSize)) + 1);
    journal.close();
    const bool append = bytes.startsWith(kAppendMagic);
    const qint64 expected = append ? kAppendJournalSize : overwriteSize;
    const bool complete =
        bytes.size() == expected && (append || bytes.startsWith(kJournalMagic)) &&
        journalHash(QByteArrayView(bytes).first(expected - kHashSize)) == bytes.right(kHashSize);
    if (complete) {
        const auto offset = qFromLittleEndian<qint64>(bytes.constData() + kMagicSize);
        const auto size = qFromLittleEndian<quint32>(bytes.constData() + kMagicSize + 8);
        // A whole journal of another record size or at an odd offset belongs to another
        // archive: leave both files as they are rather than guess.
        if (size != quint32(m_recordSize) || offset < 0 || offset % m_recordSize != 0)
            fail(u"giornale di ripristino non valido"_s);
        if (append) {
            if (m_file.size() > offset && !m_file.resize(offset))
                fail(u"ripristino della lunghezza dell'archivio non riuscito"_s);
        } else {
            writeAt(offset, bytes.mid(kHeaderSize, m_recordSize));
        }
        syncFile();
    }
    // An incomplete journal was cut while being written, before the archive was touched.
    removeJournal();
}

void ArchiveFile::writeJournal(qint64 offset)
{
    QByteArray bytes = journalHeader(kJournalMagic, offset, m_recordSize);
    QByteArray old(m_recordSize, '\0');
    if (!m_file.seek(offset) || m_file.read(old.data(), m_recordSize) != m_recordSize)
        fail(u"lettura della scheda da sostituire non riuscita"_s);
    bytes.append(old);
    storeJournal(bytes);
}

void ArchiveFile::storeJournal(QByteArray bytes)
{
    bytes.append(journalHash(bytes));
    const QString journalName = journalPath(m_path);
    QFile journal(journalName);
    const bool written = journal.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered) &&
                         journal.write(bytes) == bytes.size() && SafeWrite::synced(journal.handle());
    journal.close();
    if (!written || !SafeWrite::folderSynced(journalName)) {
        QFile::remove(journalName); // the archive is untouched: nothing to roll back
        fail(u"scrittura del giornale di ripristino non riuscita"_s);
    }
}

void ArchiveFile::removeJournal()
{
    const QString journalName = journalPath(m_path);
    if (!QFile::remove(journalName) || !SafeWrite::folderSynced(journalName))
        fail(u"rimozione del giornale di ripristino non riuscita"_s);
}

void ArchiveFile::syncFile()
{
    if (!SafeWrite::synced(m_file.handle()))
        fail(u"scrittura su disco non riuscita"_s);
}

void ArchiveFile::writeAt(qint64 offset, const QByteArray& bytes)
{
    if (!m_file.seek(offset) || m_file.write(bytes) != bytes.size() || !m_file.flush())
        fail(u"scrittura non riuscita: "_s + m_file.errorString());
}

qint64 ArchiveFile::count() const
{
    return m_file.size() / m_recordSize;
}

void ArchiveFile::seek(qint64 index)
{
    if (!m_file.isOpen() || index < 0 || !m_file.seek(index * m_recordSize))
        fail(u"posizionamento non riuscito"_s);
    m_index = index;
}

void ArchiveFile::read(QByteArray& record)
{
    failIfAsked(Step::Read);
    if (!m_file.isOpen() || m_index >= count())
        fail(u"lettura oltre la fine dell'archivio"_s);
    record.resize(m_recordSize);
    if (m_file.read(record.data(), m_recordSize) != m_recordSize)
        fail(u"lettura incompleta"_s);
    ++m_index;
}

void ArchiveFile::readBlock(QByteArray& block, qint64 records)
{
    failIfAsked(Step::Read);
    // The size is not asked again: a pass takes it once, and records missing at the end show
    // as a short read.
    if (!m_file.isOpen() || records < 0)
        fail(u"lettura oltre la fine dell'archivio"_s);
    block.resize(records * m_recordSize);
    qint64 got = 0;
    while (got < block.size()) {
        const qint64 n = m_file.read(block.data() + got, block.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    const qint64 whole = got / m_recordSize;
    m_index += whole;
    if (whole < records) {
        block.resize(whole * m_recordSize);
        fail(u"lettura incompleta"_s);
    }
}

void ArchiveFile::write(const QByteArray& record)
{
    failIfAsked(Step::Write);
    if (!m_file.isOpen() || record.size() != m_recordSize || m_index < 0 || m_index > count())
        fail(u"scrittura non valida"_s);
    const qint64 offset = m_index * m_recordSize;
    const bool overwrite = m_index < count();
    if (overwrite)
        writeJournal(offset);
    if (overwrite && injectedFailure() == Step::Tear) {
        writeAt(offset, record.first(m_recordSize / 2));
        fail(u"sostituzione interrotta"_s);
    }
    writeAt(offset, record);
    syncFile();
    if (overwrite)
        removeJournal();
    ++m_index;
}

void ArchiveFile::appendAll(const QList<QByteArray>& records)
{
    for (const QByteArray& record : records) {
        if (!m_file.isOpen() || record.size() != m_recordSize)
            fail(u"scrittura non valida"_s);
    }
    if (records.isEmpty())
        return;
    const qint64 start = count() * m_recordSize;
    storeJournal(journalHeader(kAppendMagic, start, m_recordSize));
    const qsizetype half = (records.size() + 1) / 2;
    const bool torn = injectedFailure() == Step::Tear;
    try {
        for (qsizetype i = 0; i < records.size(); ++i) {
            if (i == half) {
                if (torn)
                    break;
                failIfAsked(Step::Write);
            }
            writeAt(start + i * m_recordSize, records[i]);
        }
        syncFile();
    } catch (...) {
        undoAppend(start);
        throw;
    }
    if (torn)
        fail(u"aggiunta interrotta"_s); // as a kill would leave it: the journal stays
    removeJournal();
    m_index = count();
}

void ArchiveFile::undoAppend(qint64 length)
{
    try {
        if (!m_file.resize(length))
            fail(u"ripristino della lunghezza dell'archivio non riuscito"_s);
        syncFile();
        removeJournal();
    } catch (const Failure&) {
        // The journal stays: the next opening of the archive cuts it back.
    }
}

QByteArray ArchiveFile::wholeFile()
{
    failIfAsked(Step::Read);
    if (!m_file.isOpen() || !m_file.seek(0))
        fail(u"lettura non riuscita"_s);
    const qint64 size = m_file.size();
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = m_file.read(bytes.data() + got, size - got);
        if (n <= 0)
            fail(u"lettura incompleta"_s);
        got += n;
    }
    m_index = count();
    return bytes;
}

void ArchiveFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}
