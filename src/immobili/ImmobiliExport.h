#pragma once

#include "report/RecordCells.h"
#include "storage/RecordLayout.h"

// The property archive as a worksheet: the columns and the cells of one card.
namespace ImmobiliExport {

const QList<Spreadsheet::GridColumn>& columns(); // the 25 columns
const RecordCells& cells();                      // the cells of one card
inline QString fileName()
{
    return QStringLiteral("Immobili.xls");
}
inline QString worksheet()
{
    return QStringLiteral("Riepilogo Immobili");
}

} // namespace ImmobiliExport
