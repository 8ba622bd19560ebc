#pragma once

#include "report/RecordCells.h"
#include "storage/RecordLayout.h"

// A year's receipts as a worksheet: the 25 columns and the cells of one receipt.
// Only the first five payment lines are exported; amounts as stored, right-aligned.
namespace RicevuteExport {

const QList<Spreadsheet::GridColumn>& columns();
const RecordCells& cells(); // the cells of one receipt
inline QString fileName()
{
    return QStringLiteral("Ricevute.xls");
}
inline QString worksheet()
{
    return QStringLiteral("Riepilogo annuale ricevute");
}

} // namespace RicevuteExport
