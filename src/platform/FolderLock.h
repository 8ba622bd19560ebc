#pragma once

#include <QString>

// An exclusive lock on a file, held from a successful tryLock() until the object is destroyed
// (or the process ends, whatever way it ends: the system releases it). The program holds the
// one in its data folder for the whole run, so a second copy on the same data is refused.
class FolderLock {
public:
    explicit FolderLock(QString path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Creates the file when missing; false when another holder has the lock or the file cannot
    // be opened.
    bool tryLock();

private:
    QString m_path;
    int m_fd = -1;
};
