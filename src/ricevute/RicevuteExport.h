#pragma once

#include "report/Spreadsheet.h"
#include "storage/RecordLayout.h"

// A year's receipts as a worksheet: the 25 columns and the values of one receipt.
// Only the first five payment lines are exported; amounts as stored, right-aligned.
namespace RicevuteExport {

const QList<Spreadsheet::GridColumn>& columns();
QStringList values(const Record& receipt);
inline QString fileName()
{
    return QStringLiteral("Ricevute.xls");
}
inline QString worksheet()
{
    return QStringLiteral("Riepilogo annuale ricevute");
}

} // namespace RicevuteExport
