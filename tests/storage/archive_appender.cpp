// Appends records to an archive as fast as it can, as a second running copy of the program
// would: usage archive_appender <path> <writer> <count>.
#include "storage/ArchiveFile.h"
#include "support/TestRecord.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
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
            archive.write(record.bytes());
            archive.close();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
