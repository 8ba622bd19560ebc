#pragma once

#include <QString>

// The archives the bench works on, made the same way by every bench program.
namespace BenchArchives {

// Property cards: Sparse holds the handful of fields a quick user fills; Full every field to
// its capacity, with accented letters, the euro sign and the characters the spreadsheet
// escapes; Landlord what a landlord keeps on a card (names, codes, contract dates, rent by the
// month, registration tax), so deadlines and imports have something to work on. The surnames
// of locatore and conduttore stay searchable in all three.
enum class Cards { Sparse, Full, Landlord };
bool makeCards(const QString& path, int count, Cards kind);

// A year of receipts dated in 2024, one a day of each month in turn, for the tenants of
// `cards` Landlord cards (their codice fiscale and contract code), two in three paid.
bool makeReceipts(const QString& path, int count, int cards = 12);

// F24 ELIDE forms of 2023 and 2024, every payer field filled.
bool makeForms(const QString& path, int count);

} // namespace BenchArchives
