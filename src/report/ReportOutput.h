#pragma once

#include "ReportModel.h"
#include "platform/PrintDialog.h"

class QWidget;

// The two outputs that need the screen: the printer, through the print dialog, and the
// preview window. Both take the pages as PrepareReport left them.
namespace ReportOutput {
// Prints the pages chosen in the print dialog; a cancelled dialog prints nothing and says
// nothing. "Current page" is `currentPage` (0-based: the page in view in the preview, else the
// first). Throws Failure when the printer cannot be used. When the system has no printer,
// says so and offers `pdfInstead`, the screen's PDF of the same pages, where there is one.
void Print(const ReportDocument& document, int currentPage = 0, const PrintDialog::PdfInstead& pdfInstead = {});
// Shows the pages modally in the preview window (print, zoom, full screen, close); its print
// offers `pdfInstead` as Print does.
void ShowReport(const ReportDocument& document, QWidget* owner, const PrintDialog::PdfInstead& pdfInstead = {});
} // namespace ReportOutput
