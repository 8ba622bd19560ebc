#pragma once

#include "ReportModel.h"

// The list report "Riepilogo dati" that every list screen prints: its title, then the
// lines of the list; the text box (by its own font's line height) and the master band take
// the height of the lines.
namespace ListReport {
ReportDocument create(); // the template
// Sets the title and the lines, then prepares the document.
void fill(ReportDocument& report, const QString& title, const QStringList& lines);
} // namespace ListReport
