#pragma once

#include "report/ReportModel.h"

#include <QDateTime>
#include <functional>

// The one-page "SCHEDA DATI IMMOBILE" filled from the property card as it stands on screen.
namespace SchedaReport {

// The trimmed text of a card field, by field name ("Immobile", "CodFiscLoc01").
using ValueOf = std::function<QString(const QString& field)>;

ReportDocument create();
void fill(ReportDocument& report, const ValueOf& valueOf, const QDateTime& now);
QString pdfPath(); // Immobile.pdf beside the executable
QString pdfDoneQuestion();

} // namespace SchedaReport
