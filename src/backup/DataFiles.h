#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Which files of the data folder make up a landlord's record, the same rule for what a copy
// takes and what a restore puts back: the archives (Immobili.pro, every AAAA.ric,
// F24_ELIDE.pro), the settings (Affitti.ini, Causali.lst, Logo.bmp), the password file
// unins000.dll and the folders Documenti_Allegati and Ricevute_PDF with everything in them.
// Never the executable, the lock or the journals, nor the files written for other programs
// (spreadsheets, PDFs of cards and forms), which the program makes again on request.
namespace DataFiles {

struct DataFile {
    QString path;       // relative to the data folder, '/' between folders: "Documenti_Allegati/a.pdf"
    int recordSize = 0; // an archive's record size (read under its lock); 0 for any other file
};

// Every data file in `folder`, sorted by path. Links to files count as the files they lead to;
// links to folders, FIFOs and devices are left out.
QList<DataFile> collect(const QString& folder);

bool isDataFile(const QString& path);
int recordSizeOf(const QString& path); // 0 when `path` is no archive
bool isArchive(const QString& path);

// Why a name found in a copy may not be written below the data folder (in Italian, naming
// it), or an empty text when it may.
QString pathProblem(const QString& path);

// The entries directly in `folder` that hold data (files, the two folders, and the archives'
// journals, which belong to the archives they would repair): what a restore moves aside.
QStringList topLevelData(const QString& folder);

} // namespace DataFiles
