#pragma once

#include "ReportModel.h"

// Writes the prepared pages of a document as a PDF file: title and subject are the
// document's name; no password, everything allowed. An existing file is replaced without
// asking, and only once the whole PDF is ready, so a failure leaves the old file intact.
namespace ReportPdf {
QByteArray render(const ReportDocument& document);
void Export(const ReportDocument& document, const QString& path); // throws Failure when it cannot write
// The same with a title and a subject of the caller's (a receipt's number and tenant).
QByteArray render(const ReportDocument& document, const QString& title, const QString& subject);
void Export(const ReportDocument& document, const QString& path, const QString& title, const QString& subject);
// The question asked after an export: Yes opens the file.
QString doneQuestion();
} // namespace ReportPdf
