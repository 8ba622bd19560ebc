#pragma once

#include "ReportModel.h"

// The list report "Riepilogo dati" that every list screen prints: its title, then the
// lines of the list; the text box and the master band take the height of the lines.
namespace ListReport {
constexpr double kLineHeight = 12.822;
ReportDocument create(); // the template
void fill(ReportDocument& report, const QString& title, const QStringList& lines);
} // namespace ListReport
