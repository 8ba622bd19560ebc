#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The arithmetic of a receipt (the amount fields, the ISTAT update, the totals) on the texts
// of its fields, exactly, with the program's money type.
namespace TotaliRicevuta {

// The two-decimal form of an amount text: ",00" appended when there is no comma, a lone comma
// becomes 0,00, a leading comma gets a 0 before it, a trailing comma or a single decimal gets
// its zeros. Three or more decimals and leading zeros stay: 1,234 and 007,00.
QString twoDecimalForm(const QString& text);

// What an amount field holds once the user leaves it: empty stays empty, a lone comma is 0,00,
// a number gets the two-decimal form (it is neither rounded nor reformatted); a text that is
// not a number gives nothing (the field keeps it as typed). Works on the trimmed text.
std::optional<QString> tidyAmount(const QString& text);

// Whether a typed character may enter an amount field: a digit, the comma or the minus sign.
bool amountCharacter(QChar c);

// The ISTAT amount: rent × percentage / 100, rounded to two decimals half away from zero,
// written with two decimals; 0,00 when either text is not a number. 650,00 at 1,5 gives 9,75.
QString istatAmount(const QString& rent, const QString& percentage);

// The nine amount fields (eight lines and the ISTAT amount) in the order the total adds them.
const QStringList& amountFields(); // Importo01, Istat, Importo02 … Importo08

struct Totals {
    QString total;        // TotRicevuta: the nine amounts, two decimals (709,75)
    QString withoutIstat; // TotImporti: the total less Istat, two decimals (700,00)
    QString cents;        // the last two characters of the total (75)
    QString words;        // the euro part of the total in words (SETTECENTONOVE)
};

// The totals of a receipt whose field texts `textOf` gives by record field name; an empty
// field counts 0. Nothing when a text is not a number (a pasted "1-2").
std::optional<Totals> compute(const std::function<QString(const QString& field)>& textOf);

// Why a receipt with these totals cannot be saved, printed or written as a PDF: an amount that
// is not a number (no totals), or a total longer than the record can hold; nothing when it can.
std::optional<QString> outputProblem(const std::optional<Totals>& totals);
QString notANumberWarning();
QString tooLongWarning();

} // namespace TotaliRicevuta
