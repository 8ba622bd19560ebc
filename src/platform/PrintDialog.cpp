#include "PrintDialog.h"

#include "Desktop.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

using namespace Qt::StringLiterals;

namespace {
PrintDialog::Handler& handler()
{
    static PrintDialog::Handler h;
    return h;
}

std::optional<bool>& configuredForTests()
{
    static std::optional<bool> configured;
    return configured;
}
} // namespace

namespace PrintDialog {

bool printerConfigured()
{
    if (configuredForTests())
        return *configuredForTests();
    // A test that answers the print dialog chooses the printer too.
    return handler() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString noPrinterMessage(bool pdfOffered)
{
    const QString text = u"Non è configurata alcuna stampante. Per stampare è necessario installarne una "
                         u"nelle impostazioni del sistema."_s;
    if (!pdfOffered)
        return text;
    return text + u"\r\n\r\nSi vuole salvare il documento in un file PDF, da stampare in seguito o da "
                  u"inviare?"_s;
}

bool ask(QPrinter& printer, int pageCount, const PdfInstead& pdfInstead)
{
    // Without this check the print would fail later on a printer with no name.
    if (!printerConfigured()) {
        if (!pdfInstead)
            Desktop::warning(noPrinterMessage(false));
        else if (Desktop::confirm(noPrinterMessage(true)))
            pdfInstead();
        return false;
    }
    if (handler())
        return handler()(printer, pageCount);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pageCount);
    return dialog.exec() == QDialog::Accepted;
}

void setHandlerForTests(Handler h)
{
    handler() = std::move(h);
}

void setPrinterConfiguredForTests(std::optional<bool> configured)
{
    configuredForTests() = configured;
}

} // namespace PrintDialog
