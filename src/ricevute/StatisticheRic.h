#pragma once

#include "platform/Money.h"

#include <QList>
#include <QRgb>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The month totals that the statistics screen charts: every receipt of the
// archive counts, paid or not, when its date falls in the chosen year.
namespace StatisticheRic {

using MonthTotals = std::array<Money, 12>;

// Sums TotRicevuta by the month of Data (characters 4-5 of Data trimmed and padded, the
// year characters 7-10) over every record of the archive, created empty when missing. A
// receipt of another year, or with no month 01 to 12, is not counted. Throws Failure when the
// archive cannot be used or a counted total is not a number.
MonthTotals monthTotals(const QString& archivePath, const QString& year);

// A total rounded to whole euros as the chart shows it: the whole number not greater than
// the total plus one half (10,50 → 11; −0,50 → 0).
Money toWholeEuros(const Money& total);

// The copies asked for in the input box: a trimmed answer that is not a whole number of
// digits 0 to 9, or is 0, is one copy; more than maxCopies is refused (nothing).
constexpr int maxCopies = 99;
std::optional<int> copiesToPrint(const QString& answer);

// The twelve points: labels "Gennaio" … "Dicembre" and their colours.
const QStringList& monthNames();
const QList<QRgb>& monthColours();

} // namespace StatisticheRic
