// Appends records to an archive as fast as it can, as a second running copy of the program
// would: usage archive_appender <path> <writer> <count> [slow]. With "slow" each record reaches
// the file in two halves with a pause between, under the archive's lock, as on a slow disk:
// a reader that ignored the lock would catch half a record.
#include "storage/ArchiveFile.h"
#include "support/TestRecord.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <stdexcept>

namespace {
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
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return 2;
    const bool slow = argc == 5 && QByteArray(argv[4]) == "slow";
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString writer = QString::fromLocal8Bit(argv[2]);
    const int count = QByteArray(argv[3]).toInt();
    try {
        for (int i = 0; i < count; ++i) {
            Record record(testLayout());
            record.setText(QStringLiteral("Nome"), writer);
            record.setText(QStringLiteral("Seq"), QString::number(i));
            record.setFlag(QStringLiteral("Pagata"), i % 2 == 0);
            record.setText(QStringLiteral("Note"), QStringLiteral("scrittura concorrente"));
            ArchiveFile archive(path, testLayout().size());
            archive.openOrCreate();
            archive.seek(archive.count());
            if (slow)
                writeSlowly(path, record.bytes()); // the archive's lock is held meanwhile
            else
                archive.write(record.bytes());
            archive.close();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
