// Runs a restore or a copy in a process of its own and kills it with SIGKILL at a chosen
// point, as a crash or a power cut would stop the program there:
//   backup_runner restore COPY.zip FOLDER N   killed at the N-th point a kill can land on (0:
//                                             never); prints how many points it passed
//   backup_runner finish FOLDER N             finishes the interrupted restore in FOLDER, killed
//                                             at the N-th point of that
//   backup_runner copy FOLDER COPY.zip        killed halfway through writing the ZIP file
// The clock stands at 15/03/2024 09:30:12, so the kept folder's name is known.
#include "backup/BackupRestore.h"
#include "backup/BackupSave.h"
#include "backup/RestoreJournal.h"
#include "backup/ZipFile.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <csignal>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Clock::setFixedForTests(QDateTime(QDate(2024, 3, 15), QTime(9, 30, 12)));
    const QStringList words = app.arguments().mid(1);
    try {
        int passed = 0;
        const int killAt = words.value(words.size() - 1).toInt();
        Backup::setRestoreSeamForTests([&](Backup::RestorePoint, int) {
            if (++passed == killAt)
                std::raise(SIGKILL);
        });
        if (words.size() == 4 && words[0] == u"restore") {
            Backup::restore(words[1], words[2]);
            std::printf("%d\n", passed);
            return 0;
        }
        if (words.size() == 3 && words[0] == u"finish") {
            Backup::finishInterruptedRestore(words[1]);
            std::printf("%d\n", passed);
            return 0;
        }
        if (words.size() == 3 && words[0] == u"copy") {
            ZipWriter::watchClosingForTests([](double done) {
                if (done >= 0.5)
                    std::raise(SIGKILL);
            });
            Backup::save(words[1], words[2]);
            return 0;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 2;
}
