// Appends records to an archive as fast as it can, as a second running copy of the program
// would: usage archive_appender <path> <writer> <count> [slow | batch <limit>].
// With "slow" each record reaches the file in two halves with a pause between, under the
// archive's lock, as on a slow disk: a reader that ignored the lock would catch half a record.
// With "batch <limit>", appends the records together in one appendAll, under a file size limit
// of <limit> bytes: the kernel kills the program (SIGXFSZ) when a record would go past it, as a
// kill or a power cut in the middle of the append would.
#include "storage/ArchiveFile.h"
#include "support/TestRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <stdexcept>
#include <sys/resource.h>

namespace {
QByteArray recordOf(const QString& writer, int i)
{
    Record record(testLayout());
    record.setText(QStringLiteral("Nome"), writer);
    record.setText(QStringLiteral("Seq"), QString::number(i));
    record.setFlag(QStringLiteral("Pagata"), i % 2 == 0);
    record.setText(QStringLiteral("Note"), QStringLiteral("scrittura concorrente"));
    return record.bytes();
}

void writeSlowly(const QString& path, const QByteArray& record)
{
    QFile file(path);
    const qsizetype half = record.size() / 2;
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered) || file.write(record.first(half)) != half)
        throw std::runtime_error("prima metà non scritta");
    QThread::msleep(2);
    if (file.write(record.sliced(half)) != record.size() - half)
        throw std::runtime_error("seconda metà non scritta");
}

void limitFileSize(rlim_t bytes)
{
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none); // no core file from the kill
    const rlimit size{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &size);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bool slow = argc == 5 && QByteArray(argv[4]) == "slow";
    const bool batch = argc == 6 && QByteArray(argv[4]) == "batch";
    if (argc != 4 && !slow && !batch)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString writer = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    try {
        if (batch) {
            QList<QByteArray> records;
            for (int i = 0; i < count; ++i)
                records.append(recordOf(writer, i));
            ArchiveFile archive(path, testLayout().size());
            archive.openOrCreate();
            limitFileSize(rlim_t(QByteArray(argv[5]).toLongLong()));
            archive.appendAll(records);
            archive.close();
            return 0;
        }
        for (int i = 0; i < count; ++i) {
            ArchiveFile archive(path, testLayout().size());
            archive.openOrCreate();
            archive.seek(archive.count());
            if (slow)
                writeSlowly(path, recordOf(writer, i)); // the archive's lock is held meanwhile
            else
                archive.write(recordOf(writer, i));
            archive.close();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
