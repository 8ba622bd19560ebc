#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

// Our drawing of the F24 ELIDE form, an A4 sheet in report units (1/96 inch): headings,
// captions and the boxes the data print into, as SVG so that printer and PDF get vectors.
namespace F24Form {

constexpr double pageWidth = 793.70;
constexpr double pageHeight = 1122.52;
constexpr double pdfShift = 3.78; // 1 mm

// The boxes of the form where data are written, on the printed copies' drawing.
QList<QRectF> dataCells();

// The printed words of the form: headings, captions and the copy's name at the foot (none
// when `caption` is empty). They print as text, so viewers can find and copy them.
struct Label {
    QPointF baseline; // where the text's baseline starts, is centred or ends (by anchor)
    double pixels;    // font height in report units
    QString text;
    bool bold = false;
    Qt::Alignment anchor = Qt::AlignLeft;
};
QList<Label> labels(const QString& caption, double shiftRight = 0);

// The lines, frames and shaded bars of the whole sheet, everything `shiftRight` units to
// the right.
QByteArray svg(double shiftRight = 0);

} // namespace F24Form
