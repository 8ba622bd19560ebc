#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// Files rewritten whole go through a temporary file that replaces the old one only when
// every byte reached the disk, so a failure leaves the previous file intact.
namespace SafeWrite {

// Throws Failure (with an Italian message naming the file) when the file cannot be written.
void replaceFile(const QString& path, const QByteArray& content);

// The same for a file written piece by piece: writeContent writes to the temporary file and
// returns false when a write was refused; the file is replaced only when it returned true.
void replaceFile(const QString& path, const std::function<bool(QIODevice& file)>& writeContent);

// Syncs an open file (or folder) to the disk: false when the disk refused, true when it took it
// or when the file system has no sync at all (nothing more can be done there).
bool synced(int descriptor, bool dataOnly = false);

// Writes all of content to device; false when any byte was refused.
bool writeAll(QIODevice& device, const QByteArray& content);

// A seam for tests: every write fails as on a full disk until switched off.
void failWritesForTests(bool fail);

// For a file made by other means (a library writing it whole) in a temporary file beside its
// final place: syncs it, renames it over `path` and syncs the folder. Throws Failure naming
// `path` when the disk refuses; the temporary file is then left for the caller to remove.
void moveIntoPlace(const QString& temporary, const QString& path);

// Syncs the folder holding `path`, so a file created, renamed or removed there stays so.
bool folderSynced(const QString& path);

// The Italian message for a file that cannot be written, as a Failure.
[[noreturn]] void cannotWrite(const QString& path);

} // namespace SafeWrite
