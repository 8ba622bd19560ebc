#include "ReportOutput.h"

#include "ReportPreview.h"
#include "ReportRenderer.h"
#include "platform/Failure.h"
#include "platform/PrintDialog.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QPageLayout::Orientation orientationOf(const PreparedPage& page)
{
    return page.size.width() > page.size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QList<int> chosenPages(const QPrinter& printer, int count, int currentPage)
{
    QList<int> pages;
    int first = 1, last = count;
    if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = std::clamp(currentPage, 0, count - 1) + 1;
    } else if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = std::min(printer.toPage(), count);
    }
    for (int p = first; p <= last; ++p)
        pages.append(p - 1);
    return pages;
}

[[noreturn]] void printerFailed(const QPrinter& printer)
{
    throw Failure(u"Impossibile stampare sulla stampante \""_s + printer.printerName() +
                  u"\". Verificare che la stampante sia accesa e collegata, quindi riprovare."_s);
}

} // namespace

namespace ReportOutput {

void Print(const ReportDocument& document, int currentPage, const PrintDialog::PdfInstead& pdfInstead)
{
    const QList<PreparedPage>& pages = document.preparedPages();
    if (pages.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.name);
    printer.setFullPage(true); // the templates place objects from the corner of the sheet
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientationOf(pages.front()));
    if (!PrintDialog::ask(printer, int(pages.size()), pdfInstead))
        return;

    const QList<int> chosen = chosenPages(printer, int(pages.size()), currentPage);
    if (chosen.isEmpty())
        return;
    printer.setPageOrientation(orientationOf(pages[chosen.front()]));
    QPainter painter;
    if (!painter.begin(&printer))
        printerFailed(printer);
    for (qsizetype i = 0; i < chosen.size(); ++i) {
        const PreparedPage& page = pages[chosen[i]];
        if (i > 0) {
            printer.setPageOrientation(orientationOf(page));
            if (!printer.newPage())
                printerFailed(printer);
        }
        ReportRenderer::paint(painter, page);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        printerFailed(printer);
}

void ShowReport(const ReportDocument& document, QWidget* owner, const PrintDialog::PdfInstead& pdfInstead)
{
    ReportPreview preview(document, owner, pdfInstead);
    preview.exec();
}

} // namespace ReportOutput
