#pragma once

#include "app/CommandLine.h"

// tarvento --ricevuta-pdf ANNO NUMERO FILE.pdf [--due-copie]: the receipt of that number in the
// year's archive beside the executable, written to FILE.pdf exactly as the PDF button writes it
// after the receipt is loaded on screen. Reads only: no lock, no password.
namespace ReceiptPdfCommand {
int run(const QStringList& arguments);
} // namespace ReceiptPdfCommand
