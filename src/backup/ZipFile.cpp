#include "ZipFile.h"

#include "LibZip.h"
#include "platform/Failure.h"

#include <QFile>
#include <QScopeGuard>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const LibZip::Functions& libzip()
{
    return LibZip::functions();
}

QString errorText(int code)
{
    switch (code) {
    case ZIP_ER_NOENT:
        return u"il file non esiste"_s;
    case ZIP_ER_OPEN:
    case ZIP_ER_READ:
    case ZIP_ER_SEEK:
        return u"il file non si può leggere"_s;
    case ZIP_ER_NOZIP:
        return u"non è un file ZIP"_s;
    case ZIP_ER_INCONS:
    case ZIP_ER_CRC:
    case ZIP_ER_ZLIB:
    case ZIP_ER_COMPRESSED_DATA:
    case ZIP_ER_EOF:
        return u"il file ZIP è danneggiato"_s;
    case ZIP_ER_MULTIDISK:
        return u"è un file ZIP diviso in più parti"_s;
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ENCRNOTSUPP:
    case ZIP_ER_NOPASSWD:
        return u"il file ZIP usa una compressione o una cifratura che il programma non legge"_s;
    case ZIP_ER_MEMORY:
        return u"la memoria non basta"_s;
    default:
        return u"errore della libreria ZIP n. "_s + QString::number(code);
    }
}

QByteArray pathBytes(const QString& path)
{
    return QFile::encodeName(path);
}

zip_t* open(const QString& path, int flags)
{
    int code = 0;
    zip_t* zip = libzip().zip_open(pathBytes(path).constData(), flags, &code);
    if (zip == nullptr)
        throw Failure(errorText(code));
    return zip;
}

} // namespace

ZipReader::ZipReader(const QString& path) : m_zip(open(path, ZIP_RDONLY | ZIP_CHECKCONS)) {}

ZipReader::~ZipReader()
{
    libzip().zip_discard(m_zip);
}

qint64 ZipReader::count() const
{
    return libzip().zip_get_num_entries(m_zip, 0);
}

ZipReader::Member ZipReader::member(qint64 index) const
{
    Member m;
    m.name = QString::fromUtf8(libzip().zip_get_name(m_zip, zip_uint64_t(index), ZIP_FL_ENC_GUESS));
    zip_stat_t stat;
    libzip().zip_stat_init(&stat);
    if (libzip().zip_stat_index(m_zip, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
        m.size = qint64(stat.size);
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    libzip().zip_file_get_external_attributes(m_zip, zip_uint64_t(index), 0, &system, &attributes);
    const mode_t type = system == ZIP_OPSYS_UNIX ? (attributes >> 16) & S_IFMT : 0;
    m.link = type == S_IFLNK;
    m.regular = (type == 0 || type == S_IFREG) && !m.name.endsWith(u'/');
    return m;
}

bool ZipReader::read(qint64 index, const std::function<void(QByteArrayView)>& piece) const
{
    zip_file_t* file = libzip().zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (file == nullptr)
        return false;
    const auto close = qScopeGuard([file] { libzip().zip_fclose(file); });
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const zip_int64_t n = libzip().zip_fread(file, buffer.data(), zip_uint64_t(buffer.size()));
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        piece(QByteArrayView(buffer.constData(), n));
    }
}

ZipWriter::ZipWriter(const QString& path) : m_zip(open(path, ZIP_CREATE | ZIP_TRUNCATE)) {}

ZipWriter::~ZipWriter()
{
    if (m_zip != nullptr)
        libzip().zip_discard(m_zip);
}

void ZipWriter::added(qint64 index, const QString& name)
{
    if (index < 0)
        throw Failure(u"Impossibile aggiungere "_s + name + u" alla copia: "_s +
                      errorText(libzip().zip_error_code_zip(libzip().zip_get_error(m_zip))));
    // A plain file readable by its owner and group, as the program makes its own files.
    libzip().zip_file_set_external_attributes(m_zip, zip_uint64_t(index), 0, ZIP_OPSYS_UNIX,
                                              (S_IFREG | 0644) << 16);
}

void ZipWriter::addBytes(const QString& name, const QByteArray& bytes, const QDateTime& modified)
{
    const QByteArray& kept = m_kept.emplace_back(bytes);
    zip_source_t* source = libzip().zip_source_buffer(m_zip, kept.constData(), zip_uint64_t(kept.size()), 0);
    const zip_int64_t index =
        source ? libzip().zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (source != nullptr && index < 0)
        libzip().zip_source_free(source);
    added(index, name);
    libzip().zip_file_set_mtime(m_zip, zip_uint64_t(index), time_t(modified.toSecsSinceEpoch()), 0);
}

void ZipWriter::addFile(const QString& name, const QString& file)
{
    zip_source_t* source = libzip().zip_source_file(m_zip, pathBytes(file).constData(), 0, -1);
    const zip_int64_t index =
        source ? libzip().zip_file_add(m_zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (source != nullptr && index < 0)
        libzip().zip_source_free(source);
    added(index, name);
}

namespace {
std::function<void(double)>& closingWatch()
{
    static std::function<void(double)> watch;
    return watch;
}
} // namespace

void ZipWriter::watchClosingForTests(std::function<void(double done)> watch)
{
    closingWatch() = std::move(watch);
}

ZipWriter::Closed ZipWriter::close()
{
    if (closingWatch()) {
        libzip().zip_register_progress_callback_with_state(
            m_zip, 0.01, [](zip_t*, double done, void*) { closingWatch()(done); }, nullptr, nullptr);
    }
    if (libzip().zip_close(m_zip) == 0) {
        m_zip = nullptr;
        return Closed::Written;
    }
    const int code = libzip().zip_error_code_zip(libzip().zip_get_error(m_zip));
    libzip().zip_discard(m_zip); // removes libzip's own temporary file
    m_zip = nullptr;
    const bool unreadable = code == ZIP_ER_OPEN || code == ZIP_ER_READ || code == ZIP_ER_CHANGED;
    return unreadable ? Closed::SourceUnreadable : Closed::DiskRefused;
}
