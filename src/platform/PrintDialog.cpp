#include "PrintDialog.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintDialog::Handler& handler()
{
    static PrintDialog::Handler h;
    return h;
}
} // namespace

namespace PrintDialog {

bool ask(QPrinter& printer, int pageCount)
{
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

} // namespace PrintDialog
