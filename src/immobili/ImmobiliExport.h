#pragma once

#include "report/Spreadsheet.h"
#include "storage/RecordLayout.h"

// The property archive as a worksheet: the columns and the values of one card.
namespace ImmobiliExport {

const QList<Spreadsheet::GridColumn>& columns(); // the 25 columns
QStringList values(const Record& card);
inline QString fileName()
{
    return QStringLiteral("Immobili.xls");
}
inline QString worksheet()
{
    return QStringLiteral("Riepilogo Immobili");
}

} // namespace ImmobiliExport
