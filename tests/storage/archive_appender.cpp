// Appends records to an archive as fast as it can, as a second running copy of the program
// would: usage archive_appender <path> <writer> <count>.
// With "batch <limit>" after them, appends the records together in one appendAll, under a file
// size limit of <limit> bytes: the kernel kills the program (SIGXFSZ) when a record would go
// past it, as a kill or a power cut in the middle of the append would.
#include "storage/ArchiveFile.h"
#include "support/TestRecord.h"

#include <QCoreApplication>
#include <cstdio>
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
    const bool batch = argc == 6 && QByteArray(argv[4]) == "batch";
    if (argc != 4 && !batch)
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
            archive.write(recordOf(writer, i));
            archive.close();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
