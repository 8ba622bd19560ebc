#include "ReportPdf.h"

#include "ReportRenderer.h"
#include "ReportUnits.h"
#include "platform/Failure.h"
#include "platform/SafeWrite.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace {
QPageLayout layoutOf(const PreparedPage& page)
{
    const QSizeF mm(ReportUnits::toMm(page.size.width()), ReportUnits::toMm(page.size.height()));
    const bool landscape = mm.width() > mm.height();
    const QPageSize size(landscape ? mm.transposed() : mm, QPageSize::Millimeter);
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}
} // namespace

namespace ReportPdf {

QByteArray render(const ReportDocument& document)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(document.name);
        // Qt writes no subject entry of its own; the creator entry, whose key has the same
        // length, is turned into it below without moving a byte of the file.
        writer.setCreator(document.name);
        const QList<PreparedPage>& pages = document.preparedPages();
        if (!pages.isEmpty())
            writer.setPageLayout(layoutOf(pages.front()));
        QPainter painter(&writer);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                writer.setPageLayout(layoutOf(pages[i]));
                writer.newPage();
            }
            ReportRenderer::paint(painter, pages[i]);
        }
    }
    const qsizetype creator = bytes.indexOf("/Creator ");
    if (creator >= 0)
        bytes.replace(creator, 8, "/Subject");
    return bytes;
}

void Export(const ReportDocument& document, const QString& path)
{
    SafeWrite::replaceFile(path, render(document));
}

QString doneQuestion()
{
    return u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"_s;
}

} // namespace ReportPdf
