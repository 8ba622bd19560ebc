#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The receipt settings kept beside the executable: the numbering start in
// Affitti.ini and the user's payment reasons in Causali.lst. Every function reads or
// writes the file in ExeFolder at the moment it is called; nothing is cached, so a change
// made by the numbering or reasons screen counts at the next call.
namespace ReceiptSettings {

// --- Numbering (Affitti.ini, section "Numerazione Ricevute", key "Inizio") ---

// The numbering start of new receipts. A missing file, section or key, an empty value and a
// value that is not a whole number (optional minus sign and at most nine digits, blanks
// around it ignored) all count as missing: the start is then 1. Never throws.
int numberingStart();

// The number "Nuovo" proposes for a new receipt of an archive that already holds
// receiptsInArchive receipts: numberingStart() + receiptsInArchive, whatever numbers the
// existing receipts carry. Start 100 with 7 receipts gives 107; no Affitti.ini (or a bad
// one) with 7 receipts gives 8. Never throws.
int nextReceiptNumber(int receiptsInArchive);

// The raw value of Inizio, trimmed (empty when missing), as the numbering screen shows it.
QString numberingStartText();

// Writes Inizio, creating the file and the section when missing; every other line of the
// file stays as it was. Throws Failure when the file cannot be written (the old file stays).
void setNumberingStart(const QString& text);

// The tidy of the numbering field on leaving it: empty or not a decimal number (comma as
// the decimal separator) gives "1"; otherwise the number rounded as floor(x + 0.5), as
// decimal text: "007" gives "7", "0" stays "0", "2,5" gives "3".
QString tidyNumberingStart(const QString& text);

// --- Payment reasons (Causali.lst: Windows-1252, one reason per line, CRLF) ---

// The reasons in file order, each line trimmed; duplicates and empty lines stay. A missing
// file gives an empty list. A file that exists but cannot be read throws Failure: the
// caller must then not rewrite it (that would replace the user's list by an empty one).
// A file starting with a byte order mark (UTF-8, UTF-16) is read in that encoding.
QStringList loadReasons();

// Replaces Causali.lst with the reasons, each followed by CR LF, in Windows-1252, through
// the safe writer. Throws Failure when it cannot be written; the old file then stays.
void saveReasons(const QStringList& reasons);

// The file's bytes and back, for the functions above and for tests.
QStringList decodeReasons(const QByteArray& bytes);
QByteArray encodeReasons(const QStringList& reasons);

// A seam for tests: reading an existing Causali.lst fails as the file system would
// (running as root, permissions alone cannot make a file unreadable).
void failReasonsReadForTests(bool fail);

} // namespace ReceiptSettings
