#pragma once

#include "ReportModel.h"

class QPainter;

// The one painting routine for the printer, the preview and the PDF: draws a prepared
// sheet with 1 report unit = 1/96 inch of the painter's device.
namespace ReportRenderer {
void paint(QPainter& painter, const PreparedPage& page);
}
