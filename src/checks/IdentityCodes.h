#pragma once

#include <QString>
#include <optional>

// The two Italian identifiers the program checks by their check character.
namespace IdentityCodes {

// The check letter a 16-character codice fiscale should end with, computed from its first
// 15 characters; nothing when one of them is outside the tables (a blank, an accented letter).
std::optional<QChar> codiceFiscaleCheckLetter(const QString& code);
bool codiceFiscaleValid(const QString& code); // exactly 16 characters, check letter right

// 11 digits whose last one is the Luhn check digit of the first ten.
bool partitaIvaValid(const QString& number);
// The VAT office that issued a number, from its digits 8 to 10; empty when unknown.
QString partitaIvaOffice(const QString& number);

} // namespace IdentityCodes
