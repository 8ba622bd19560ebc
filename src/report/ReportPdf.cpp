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

// The number after `key` in `text` ("/Root 2 0 R" gives 2); -1 when missing.
qint64 numberAfter(const QByteArray& text, const QByteArray& key)
{
    const qsizetype at = text.indexOf(key);
    if (at < 0)
        return -1;
    bool ok = false;
    const qint64 n = text.mid(at + key.size()).trimmed().split(' ').value(0).split('\n').value(0).toLongLong(&ok);
    return ok ? n : -1;
}

// Viewers are asked to print the pages at their own size (no shrinking to the printer's margins,
// which would move every box of a form) and to open the window neither fitted nor centred. The
// writer has no setting for it: the catalog is written again in an update appended to the file,
// which leaves every byte before it where it was. A file not shaped as expected stays as it is.
QByteArray withViewerPreferences(QByteArray pdf)
{
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (trailer < 0 || startxref < trailer)
        return pdf;
    QByteArray trailerDict = pdf.mid(trailer + 7, startxref - trailer - 7).trimmed();
    const qint64 root = numberAfter(trailerDict, "/Root ");
    const qint64 previous = numberAfter(pdf.mid(startxref), "startxref");
    const QByteArray objectHead = "\n" + QByteArray::number(root) + " 0 obj";
    const qsizetype object = pdf.indexOf(objectHead);
    const qsizetype end = object < 0 ? -1 : pdf.indexOf("endobj", object);
    const qsizetype close = end < 0 ? -1 : pdf.lastIndexOf(">>", end);
    const qsizetype trailerClose = trailerDict.lastIndexOf(">>");
    if (root < 0 || previous < 0 || object < 0 || close < object || trailerClose < 0 ||
        trailerDict.contains("/Prev"))
        return pdf;
    const QByteArray catalog = pdf.mid(object + objectHead.size(), close - object - objectHead.size()) +
                               "/ViewerPreferences << /FitWindow false /CenterWindow false /PrintScaling /None >>\n>>";
    trailerDict.insert(trailerClose, "/Prev " + QByteArray::number(previous) + "\n");
    const qint64 offset = pdf.size() + 1;
    pdf += "\n" + QByteArray::number(root) + " 0 obj" + catalog + "\nendobj\n";
    const qint64 xref = pdf.size();
    pdf += "xref\n" + QByteArray::number(root) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') +
           " 00000 n \ntrailer\n" + trailerDict + "\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}
} // namespace

namespace ReportPdf {

QByteArray render(const ReportDocument& document)
{
    return render(document, document.name, document.name);
}

QByteArray render(const ReportDocument& document, const QString& title, const QString& subject)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setTitle(title);
        // Qt writes no subject entry of its own; the creator entry, whose key has the same
        // length, is turned into it below without moving a byte of the file.
        writer.setCreator(subject);
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
    return withViewerPreferences(bytes);
}

void Export(const ReportDocument& document, const QString& path)
{
    Export(document, path, document.name, document.name);
}

void Export(const ReportDocument& document, const QString& path, const QString& title, const QString& subject)
{
    SafeWrite::replaceFile(path, render(document, title, subject));
}

QString doneQuestion()
{
    return u"L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?"_s;
}

} // namespace ReportPdf
