#include "ManualPdf.h"

#include "ManualStyle.h"
#include "ManualText.h"
#include "platform/Product.h"

#include "platform/Failure.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace {

constexpr int kDpi = 1200;

double mm(double millimetres)
{
    return millimetres * kDpi / 25.4;
}

// The page: A4, the text 166 mm wide between margins of 22 mm, the head and foot lines
// outside the text.
const QSizeF kPage(mm(210), mm(297));
const QRectF kText(mm(22), mm(27), mm(166), mm(245));
const double kHeadLine = mm(17);
const double kFootLine = mm(280);

class Pages {
public:
    Pages(QPdfWriter& writer) : m_writer(writer), m_painter(&writer) {}
    QPainter& painter() { return m_painter; }
    int number() const { return m_number; }
    void next()
    {
        if (m_number > 0)
            m_writer.newPage();
        ++m_number;
    }
    void end() { m_painter.end(); }

    void foot(int total)
    {
        m_painter.save();
        m_painter.setPen(QPen(ManualStyle::quietColour(), mm(0.2)));
        m_painter.drawLine(QPointF(kText.left(), kFootLine), QPointF(kText.right(), kFootLine));
        m_painter.setFont(QFont(u"Arial"_s, 8));
        const QRectF line(kText.left(), kFootLine + mm(1.5), kText.width(), mm(5));
        m_painter.drawText(line, Qt::AlignLeft | Qt::AlignTop,
                           Product::fullName() + u" – Guida all'utilizzo"_s);
        m_painter.drawText(line, Qt::AlignRight | Qt::AlignTop,
                           u"Pagina "_s + QString::number(m_number) + u" di "_s + QString::number(total));
        m_painter.restore();
    }

    void head(const QString& chapter)
    {
        m_painter.save();
        m_painter.setPen(QPen(ManualStyle::quietColour(), mm(0.2)));
        m_painter.drawLine(QPointF(kText.left(), kHeadLine), QPointF(kText.right(), kHeadLine));
        m_painter.setFont(QFont(u"Arial"_s, 8));
        m_painter.drawText(QRectF(kText.left(), kHeadLine - mm(5.5), kText.width(), mm(5)),
                           Qt::AlignRight | Qt::AlignBottom, chapter);
        m_painter.restore();
    }

private:
    QPdfWriter& m_writer;
    QPainter m_painter;
    int m_number = 0;
};

void drawCover(QPainter& painter, const ManualPdf::Cover& cover, const QString& picturesFolder)
{
    QSvgRenderer logo(u":/pictures/logo.svg"_s);
    const QSizeF logoSize(mm(120), mm(120) * logo.defaultSize().height() / logo.defaultSize().width());
    logo.render(&painter, QRectF(QPointF((kPage.width() - logoSize.width()) / 2, mm(40)), logoSize));

    painter.setPen(ManualStyle::headingColour());
    painter.setFont(QFont(u"Arial"_s, 30, QFont::Bold));
    painter.drawText(QRectF(0, mm(90), kPage.width(), mm(16)), Qt::AlignCenter, cover.title);
    painter.setPen(ManualStyle::quietColour());
    painter.setFont(QFont(u"Arial"_s, 13));
    painter.drawText(QRectF(kText.left(), mm(108), kText.width(), mm(20)), Qt::AlignCenter | Qt::TextWordWrap,
                     cover.subtitle);

    if (!cover.picture.isEmpty()) {
        const QImage picture(picturesFolder + u'/' + cover.picture);
        if (picture.isNull())
            throw Failure(u"manca la figura "_s + cover.picture);
        const double width = kText.width();
        const QRectF at(kText.left(), mm(135), width, width * picture.height() / picture.width());
        painter.drawImage(at, picture);
        painter.setPen(QPen(ManualStyle::quietColour(), mm(0.2)));
        painter.drawRect(at);
    }
    painter.setPen(ManualStyle::headingColour());
    painter.setFont(QFont(u"Arial"_s, 11, QFont::Bold));
    painter.drawText(QRectF(0, mm(262), kPage.width(), mm(8)), Qt::AlignCenter,
                     u"Versione "_s + Product::version);
    painter.setFont(QFont(u"Arial"_s, 10));
    painter.drawText(QRectF(0, mm(270), kPage.width(), mm(8)), Qt::AlignCenter, Product::webLabel);
}

// The contents: one line per chapter and section, its page at the right after a row of dots.
struct ContentsLine {
    ManualText::Heading heading;
    double y;
    int page; // 0-based page of the contents
};

QList<ContentsLine> layOutContents(const QList<ManualText::Heading>& headings, QPaintDevice* device)
{
    QList<ContentsLine> lines;
    double y = kText.top() + QFontMetricsF(ManualStyle::headingFont(1), device).height() * 2;
    int page = 0;
    for (const ManualText::Heading& h : headings) {
        const double step =
            QFontMetricsF(ManualStyle::bodyFont(), device).height() * (h.level == 1 ? 1.9 : 1.35);
        if (y + step > kText.bottom()) {
            ++page;
            y = kText.top();
        }
        y += step;
        lines.append({h, y, page});
    }
    return lines;
}

void drawContentsLine(QPainter& painter, const ContentsLine& line, int printedPage)
{
    QFont font = ManualStyle::bodyFont();
    font.setBold(line.heading.level == 1);
    painter.setFont(font);
    painter.setPen(line.heading.level == 1 ? ManualStyle::headingColour() : QColor(Qt::black));
    const QFontMetricsF metrics(font, painter.device());
    const double indent = line.heading.level == 1 ? 0 : mm(8);
    const double titleAt = kText.left() + indent + (line.heading.level == 1 ? mm(8) : mm(11));
    const QString number = QString::number(printedPage);
    const double numberAt = kText.right() - metrics.horizontalAdvance(number);
    painter.drawText(QPointF(kText.left() + indent, line.y), line.heading.number);
    const QString title = metrics.elidedText(line.heading.title, Qt::ElideRight, numberAt - titleAt - mm(10));
    painter.drawText(QPointF(titleAt, line.y), title);
    painter.drawText(QPointF(numberAt, line.y), number);
    const double dotsFrom = titleAt + metrics.horizontalAdvance(title) + mm(2);
    const double dotsTo = numberAt - mm(2);
    const double dot = metrics.horizontalAdvance(u". "_s);
    QString dots;
    for (double x = dotsFrom; x + dot < dotsTo; x += dot)
        dots += u". "_s;
    painter.setPen(ManualStyle::quietColour());
    painter.drawText(QPointF(dotsTo - metrics.horizontalAdvance(dots), line.y), dots);
}

} // namespace

QByteArray ManualPdf::write(const Cover& cover, const QString& markdown, const QString& picturesFolder)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(Product::fullName() + u" – "_s + cover.title);
    writer.setCreator(Product::fullName());

    ManualText body(markdown, picturesFolder, &writer, kText.width(), kText.height());
    const QList<ManualText::Heading> headings = body.headings();
    const QList<ContentsLine> contents = layOutContents(headings, &writer);
    const int contentsPages = contents.isEmpty() ? 0 : contents.last().page + 1;
    const int firstBodyPage = 1 + contentsPages + 1; // printed number of the body's first page
    const int total = 1 + contentsPages + body.pageCount();

    Pages pages(writer);
    QPainter& painter = pages.painter();
    pages.next();
    drawCover(painter, cover, picturesFolder);

    for (int page = 0; page < contentsPages; ++page) {
        pages.next();
        if (page == 0) {
            painter.setFont(ManualStyle::headingFont(1));
            painter.setPen(ManualStyle::headingColour());
            painter.drawText(
                QPointF(kText.left(), kText.top() + QFontMetricsF(painter.font(), &writer).ascent()),
                u"Indice"_s);
        }
        for (const ContentsLine& line : contents)
            if (line.page == page)
                drawContentsLine(painter, line, firstBodyPage + line.heading.page);
        pages.foot(total);
    }

    auto* layout = body.document().documentLayout();
    for (int page = 0; page < body.pageCount(); ++page) {
        pages.next();
        QString chapter;
        bool opensChapter = false;
        for (const ManualText::Heading& h : headings) {
            if (h.level == 1 && h.page <= page)
                chapter = h.number + u"  "_s + h.title;
            opensChapter = opensChapter || (h.level == 1 && h.page == page);
        }
        if (!opensChapter && !chapter.isEmpty())
            pages.head(chapter);
        painter.save();
        painter.translate(kText.left(), kText.top() - page * kText.height());
        QAbstractTextDocumentLayout::PaintContext context;
        // A line pushed to the top of the next page starts exactly at this page's foot: the
        // clip stops a hair before, or that line (a picture) would be drawn here too, unseen.
        context.clip = QRectF(0, page * kText.height(), kText.width(), kText.height() - 1);
        context.palette.setColor(QPalette::Text, Qt::black);
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();
        pages.foot(total);
    }
    pages.end();
    return bytes;
}
