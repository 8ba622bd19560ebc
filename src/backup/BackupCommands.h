#pragma once

#include <QStringList>

// The backup from the command line (for cron and for checking a copy): --copia, --verifica and
// --ripristina FILE.zip, each printing one line of result.
namespace BackupCommands {
int save(const QStringList& arguments);
int verify(const QStringList& arguments);
int restore(const QStringList& arguments); // refused while the program runs on the data
} // namespace BackupCommands
