#include "ReportRenderer.h"

#include "ReportText.h"
#include "ReportUnits.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// 1 pt is 4/3 report units: at 24 times the size, a pixel size of 32 per point.
constexpr double kTextScale = 24.0;

void paintText(QPainter& painter, const TextBox& box, const PreparedItem& item, double deviceDpi)
{
    if (box.fill.isValid())
        painter.fillRect(box.rect, box.fill);
    painter.save();
    painter.setClipRect(box.rect);
    painter.setPen(box.colour);
    const double lineHeight = box.lineHeight();
    const double block = item.lines.size() * lineHeight;
    double top = box.centreVertically ? box.rect.top() + (box.rect.height() - block) / 2 : box.rect.top();
    const QImage& unitDevice = ReportText::unitDevice();
    for (const auto& line : item.lines) {
        double width = 0;
        for (const auto& run : line)
            width += QFontMetricsF(ReportText::fontOf(box, run.bold, run.italic), &unitDevice)
                         .horizontalAdvance(run.text);
        double x = box.rect.left();
        if (box.horizontal & Qt::AlignHCenter)
            x += (box.rect.width() - width) / 2;
        else if (box.horizontal & Qt::AlignRight)
            x += box.rect.width() - width;
        const QFontMetricsF metrics(ReportText::fontOf(box, false, false), &unitDevice);
        const double baseline = top + (lineHeight - metrics.height()) / 2 + metrics.ascent();
        for (const auto& run : line) {
            QFont font = ReportText::fontOf(box, run.bold, run.italic);
            // Font sizes resolve against the device and the painter's scale already maps units,
            // so the font's pixel size is in report units (1/96 inch), where the font engine
            // rounds it to whole units (16 pt would print at 15.75). Drawn kTextScale times
            // larger under a kTextScale times smaller scale, any size in 1/32 pt is exact.
            font.setPointSizeF(box.fontPoints / ReportUnits::dotsPerUnit(deviceDpi) * kTextScale);
            painter.save();
            painter.translate(x, baseline);
            painter.scale(1.0 / kTextScale, 1.0 / kTextScale);
            painter.setFont(font);
            painter.drawText(QPointF(0, 0), run.text);
            painter.restore();
            x += QFontMetricsF(ReportText::fontOf(box, run.bold, run.italic), &unitDevice)
                     .horizontalAdvance(run.text);
        }
        top += lineHeight;
    }
    painter.restore();
}

void paintPicture(QPainter& painter, const PictureBox& box)
{
    if (!box.vector.isEmpty()) {
        // Lines and text stay vectors on the printer and in the PDF, sharp at any zoom.
        QSvgRenderer drawing(box.vector);
        QSizeF size = drawing.viewBoxF().size();
        size.scale(box.rect.size(), Qt::KeepAspectRatio);
        QPointF at = box.rect.topLeft();
        if (box.centred)
            at += QPointF((box.rect.width() - size.width()) / 2, (box.rect.height() - size.height()) / 2);
        drawing.render(&painter, QRectF(at, size));
        return;
    }
    if (box.picture.isNull())
        return;
    QSizeF size = box.picture.size();
    size.scale(box.rect.size(), Qt::KeepAspectRatio);
    QPointF at = box.rect.topLeft();
    if (box.centred)
        at += QPointF((box.rect.width() - size.width()) / 2, (box.rect.height() - size.height()) / 2);
    painter.drawImage(QRectF(at, size), box.picture);
}

} // namespace

namespace ReportRenderer {

void paint(QPainter& painter, const PreparedPage& page)
{
    const double dpi = painter.device()->logicalDpiY();
    painter.save();
    painter.scale(ReportUnits::dotsPerUnit(painter.device()->logicalDpiX()), ReportUnits::dotsPerUnit(dpi));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPen thin(Qt::black, 1.0);
    for (const PreparedItem& item : page.items) {
        const ReportObject& object = *item.object;
        switch (object.kind()) {
        case ReportObject::Kind::Text:
            paintText(painter, static_cast<const TextBox&>(object), item, dpi);
            break;
        case ReportObject::Kind::Picture:
            paintPicture(painter, static_cast<const PictureBox&>(object));
            break;
        case ReportObject::Kind::Shape:
            painter.setPen(thin);
            painter.setBrush(static_cast<const ShapeBox&>(object).fill);
            painter.drawRect(object.rect);
            break;
        case ReportObject::Kind::Line:
            painter.setPen(thin);
            painter.drawLine(object.rect.topLeft(), object.rect.bottomRight());
            break;
        }
    }
    painter.restore();
}

} // namespace ReportRenderer
