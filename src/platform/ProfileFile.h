#pragma once

#include <QString>

// Private-profile settings files ("[Section]" lines and "key=value" lines) in Windows-1252,
// with the Windows rules: section and key names match without regard to case, a missing
// file, section or key reads as the default, and a write changes only the one line it
// concerns (every other byte of the file stays as it was).
namespace ProfileFile {

QString read(const QString& path, const QString& section, const QString& key,
             const QString& defaultValue = QString());

// Creates the file and the section when missing. Throws Failure when the file cannot be
// written; the previous file is then left intact.
void write(const QString& path, const QString& section, const QString& key, const QString& value);
// The bytes of a file holding `data` after that write (empty data: a file that was missing).
QByteArray written(const QByteArray& data, const QString& section, const QString& key, const QString& value);

} // namespace ProfileFile
