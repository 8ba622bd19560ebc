#pragma once

#include <QString>
#include <functional>
#include <optional>

class QPrinter;

// The print dialog: printer (the default one preselected), pages (all, the current one or a
// range), copies and collation. Tests answer it with a stand-in instead of a window.
namespace PrintDialog {
using Handler = std::function<bool(QPrinter& printer, int pageCount)>;
// What a screen offers instead of printing when the system has no printer: the same pages as a
// PDF file. Empty where the screen has no PDF.
using PdfInstead = std::function<void()>;

// False when cancelled. When the system has no printer at all, says so instead of showing the
// dialog, offers `pdfInstead` when there is one, and returns false.
bool ask(QPrinter& printer, int pageCount, const PdfInstead& pdfInstead = {});
void setHandlerForTests(Handler handler); // an empty handler restores the real dialog

// Whether the system has any printer configured; while a test answers the print dialog, yes.
bool printerConfigured();
// A seam for tests: the answer of printerConfigured(); nothing asks the system again.
void setPrinterConfiguredForTests(std::optional<bool> configured);
// The message shown when there is no printer, with the PDF question when one is offered.
QString noPrinterMessage(bool pdfOffered);
} // namespace PrintDialog
