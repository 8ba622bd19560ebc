#pragma once

#include "RicevutaReport.h"

#include <QString>

// A receipt as a PDF file: the same pages the printer gets, in either format, with the same
// templates and logo, text as vectors and the fonts embedded. One maker serves the PDF button,
// the e-mail to the tenant and the command line.
namespace ReceiptPdf {

enum class Format { Large, Copies }; // one large receipt ("uno"), two small copies ("due")

// Ricevute_PDF beside the executable.
QString folder();
// Ricevute_PDF/Ricevuta_<numero>_<anno>.pdf; what a file name cannot hold (a slash, a blank…)
// becomes a dash.
QString pathFor(const QString& number, const QString& year);

// Writes the receipt in the format to `path` through the safe writer (an older file of that
// name is replaced only by a whole new one): title "Ricevuta d'affitto n. N del dd/mm/yyyy",
// subject the tenant's name. The logo is Logo.bmp's, read now. Throws Failure.
void write(const RicevutaReport::ValueOf& receipt, Format format, const QString& path);
// write() into pathFor(), creating Ricevute_PDF when missing; the path written.
QString writeInFolder(const RicevutaReport::ValueOf& receipt, Format format, const QString& year);

// The question after the export: Yes opens the file.
QString doneQuestion(const QString& path);

} // namespace ReceiptPdf
