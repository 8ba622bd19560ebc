#pragma once

#include "platform/Money.h"
#include "storage/RecordLayout.h"

#include <QList>
#include <QString>
#include <QStringList>

// The receipts' summaries and the summary line that the receipt search and the
// unpaid list share: which receipts a year, a quarter or a month holds, by record position,
// and the sum of their totals in exact money; their lines are made when they are shown.
namespace RiepilogoRic {

// The date parts of Data: trimmed, padded with 10 blanks; day 1-2, month 4-5, year 7-10.
struct DateParts {
    QString day, month, year;
    bool empty = true; // the trimmed date is empty
};
DateParts dateParts(const QString& data);

// "Ric. n. " NumRic " del " Data (25) "  " CognomeCon01 " " NomeCon01 (30) "  C.F. "
// CodFiscCon01 (16) "  " Causale01 (45) "  Tot. € " TotRicevuta; fields trimmed.
QString summaryLine(const Record& receipt);

// "03" → "marzo"; "03" → "gennaio, febbraio, marzo"; any other text → "".
QString monthName(const QString& month);
QString quarterName(const QString& month);
// The choices of the selection list, in capitals.
QStringList monthChoices();
QStringList quarterChoices();

enum class Period { Year, Quarter, Month };

struct Summary {
    QList<int> positions; // the record position of each receipt listed, in file order
    Money total;
    bool anyDated = false; // at least one dated receipt: the title is set
    bool complete = true;  // false: the pass stopped at a record it could not read
    QString failure;       // why it stopped
};

// Every receipt of `archivePath` dated in `year` and, for a quarter or a month, whose
// quarter or month name is `chosen` (case and blanks ignored), in file order, paid or not.
// A failure to open or read the archive, or a total that is not a number, ends the pass
// there: what was gathered stays, with complete = false. Never throws.
Summary build(const QString& archivePath, const QString& year, Period period, const QString& chosen);

// The summary lines of the receipts at positions[first] to positions[first + count - 1], read
// again from the archive. Stops at a receipt that can no longer be read: the lines before it.
QStringList summaryLines(const QString& archivePath, const QList<int>& positions, int first, int count);

// The total as shown: rounded to 4 decimals, at least two, after "€ ": € 1250,00, € 0,125.
QString totalText(const Money& total);

// The printed list: the lines, 26 hyphens, "TOTALE:       " and the total text.
QStringList printedLines(const QStringList& lines, const QString& totalText);

} // namespace RiepilogoRic
