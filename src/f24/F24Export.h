#pragma once

#include "report/RecordCells.h"
#include "storage/RecordLayout.h"

// The F24 ELIDE forms as a worksheet: the 20 columns and the cells of one form. Every cell
// is left-aligned; the two amounts and the final balance stay numbers.
namespace F24Export {

const QList<Spreadsheet::GridColumn>& columns();
const RecordCells& cells(); // the cells of one form
inline QString fileName()
{
    return QStringLiteral("Versamenti.xls");
}
inline QString worksheet()
{
    return QStringLiteral("Riepilogo versamenti");
}

} // namespace F24Export
