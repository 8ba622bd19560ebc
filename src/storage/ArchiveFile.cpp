#include "ArchiveFile.h"

#include "platform/Failure.h"

#include <QFileInfo>
#include <sys/file.h>

using namespace Qt::StringLiterals;

namespace {
std::optional<ArchiveFile::Step>& injectedFailure()
{
    static std::optional<ArchiveFile::Step> step;
    return step;
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
}

int ArchiveFile::count() const
{
    return int(m_file.size() / m_recordSize);
}

void ArchiveFile::seek(int index)
{
    if (!m_file.isOpen() || index < 0 || !m_file.seek(qint64(index) * m_recordSize))
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

void ArchiveFile::write(const QByteArray& record)
{
    failIfAsked(Step::Write);
    if (!m_file.isOpen() || record.size() != m_recordSize)
        fail(u"scrittura non valida"_s);
    if (m_file.write(record.constData(), m_recordSize) != m_recordSize || !m_file.flush())
        fail(u"scrittura non riuscita: "_s + m_file.errorString());
    ++m_index;
}

void ArchiveFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}
