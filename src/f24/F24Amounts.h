#pragma once

#include <QString>
#include <optional>

// The amounts of an F24 ELIDE form: what may be typed into them, how they are tidied on
// leaving, and the final balance. Exact decimals throughout; rounding goes half away from
// zero (0,015 gives 0,02).
namespace F24Amounts {

// Only 0 to 9 and the comma are typed into an amount.
bool acceptsKey(QChar c);

// An amount as the record holds it: empty stays empty; a number becomes digits, a comma and
// two decimals (12 → 12,00; ",5" → 0,50; 2,345 → 2,35; "," → 0,00); a text that is not a
// number (1,2,3) gives nothing: the field keeps it as typed.
std::optional<QString> tidy(const QString& text);

// The sum of the two amounts as the record holds it (an empty amount counts as zero); no
// value when either is not a number.
std::optional<QString> balance(const QString& importo01, const QString& importo02);

} // namespace F24Amounts
