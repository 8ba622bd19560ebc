#pragma once

#include <QString>

// The hidden files and folders the backup work makes while it runs, and their removal when a
// kill or a power cut left them behind. Only names of exactly these shapes are ever removed.
namespace Leftovers {

// ".Tarvento_copia-XXXXXX": a copy being written beside its target. libzip writes its own
// temporary file beside it under the same name followed by ".xxxxxx".
QString copyTemplate();
bool isCopyTemporary(const QString& name);

// ".Tarvento_ripristino-XXXXXX": a copy taken out of its ZIP into the data folder by a restore.
QString extractionTemplate();
bool isExtraction(const QString& name);

// Marks `folder` as one a copy is being written into, until destroyed: a shared lock on the
// folder itself. First, when no other copy is being written there (no one else holds the
// lock), removes the copies' temporary files found there: their copy was killed.
class CopyFolder {
public:
    explicit CopyFolder(const QString& folder);
    ~CopyFolder();
    CopyFolder(const CopyFolder&) = delete;
    CopyFolder& operator=(const CopyFolder&) = delete;

private:
    int m_fd = -1;
};

// The same removal at the program's start, in a folder where copies may have been written.
void removeCopyTemporaries(const QString& folder);

// Removes every extraction folder in the data folder. Only for a caller holding the data
// folder's lock, with no restore journal there: no restore is running, and none needs them.
void removeExtractions(const QString& dataFolder);

} // namespace Leftovers
