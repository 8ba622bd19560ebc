#pragma once

#include <QString>

// The access password, scrambled, in unins000.dll beside the executable
// (section "Accesso", key "Valore").
namespace PasswordStore {

// The password file is read only when it is a regular file of at most this many bytes:
// anything else (a FIFO, a device, a huge file put in its place) reads as no password.
constexpr qint64 kMaxFileSize = 64 * 1024;

QString filePath();
QString stored();                         // decoded and trimmed; empty when missing; throws on bad data
void store(const QString& password);      // throws Failure when the file cannot be written or keep it
QString normalised(const QString& typed); // a to z in capitals, trimmed
// Whether the cipher keeps every character of the password (one byte each: up to U+00FF)
// and its length (at most 255 characters), so that the stored password logs in.
bool storable(const QString& password);

} // namespace PasswordStore
