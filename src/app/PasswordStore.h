#pragma once

#include <QString>

// The access password, scrambled, in unins000.dll beside the executable
// (section "Accesso", key "Valore").
namespace PasswordStore {

QString filePath();
QString stored();                         // decoded and trimmed; empty when missing; throws on bad data
void store(const QString& password);      // throws Failure when the file cannot be written
QString normalised(const QString& typed); // a to z in capitals, trimmed

} // namespace PasswordStore
