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

    enum class Result {
        Held,          // this object holds the lock
        HeldElsewhere, // another holder has it
        Unavailable    // the file cannot be created or locked here (a read-only folder): there is
                       // nothing to hold, and no other copy can hold it either
    };
    // Creates the file when missing (an existing one is locked even when it cannot be written).
    Result tryLock();
    const QString& path() const { return m_path; }

private:
    QString m_path;
    int m_fd = -1;
};
