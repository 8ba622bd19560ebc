#pragma once

#include "report/ReportModel.h"

#include <QImage>
#include <functional>

// The printed receipt: the large one on A4 portrait ("uno") and the two small
// copies side by side on A4 landscape ("due"), templates ricevuta.json and
// ricevuta_duplice.json, filled from the receipt screen as it stands (an unsaved receipt
// prints as shown).
namespace RicevutaReport {

// The trimmed text of a receipt field by its record name ("NumRic", "Causale03"), and
// "TotImporti" for the total without ISTAT.
using ValueOf = std::function<QString(const QString& field)>;

ReportDocument createLarge();
ReportDocument createCopies();

// Sets the logo and every text box that takes data, then prepares the pages.
void fillLarge(ReportDocument& report, const ValueOf& valueOf, const QImage& logo);
void fillCopies(ReportDocument& report, const ValueOf& valueOf, const QImage& logo);

// "Ricevuta d'affitto n. 12 del 05/03/2024": the title of its PDF and the subject of its e-mail.
QString title(const ValueOf& valueOf);

} // namespace RicevutaReport
