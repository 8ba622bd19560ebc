#pragma once

#include <QColor>
#include <QFont>
#include <QTextFormat>

class QTextBlockFormat;
class QTextTableFormat;

// How the manual looks: the program's own fonts (Arial and Courier New, which the program
// maps to Liberation Sans and Liberation Mono) and its dark blue. `pt` is one point in the
// units of the device the manual is laid out on.
namespace ManualStyle {

inline QColor headingColour()
{
    return QColor(0x1F, 0x3A, 0x68);
}
inline QColor quietColour()
{
    return QColor(0x5A, 0x66, 0x78);
}
inline QColor tableHeaderBackground()
{
    return QColor(0xE4, 0xEC, 0xF5);
}
inline QString fixedFamily()
{
    return QStringLiteral("Courier New");
}
inline QFont bodyFont()
{
    return QFont(QStringLiteral("Arial"), 10);
}
inline QFont headingFont(int level)
{
    static const int sizes[] = {20, 14, 11, 10, 10, 10};
    return QFont(QStringLiteral("Arial"), sizes[qBound(1, level, 6) - 1], QFont::Bold);
}

inline void heading(int level, QTextBlockFormat& format, double pt)
{
    format.setTopMargin((level == 1 ? 0 : level == 2 ? 14 : 10) * pt);
    format.setBottomMargin((level == 1 ? 14 : 6) * pt);
    format.setLineHeight(100, QTextBlockFormat::ProportionalHeight);
}

inline void table(QTextTableFormat& format, double pt)
{
    format.setBorder(0.5 * pt);
    format.setBorderBrush(QColor(0xA0, 0xAC, 0xBD));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorderCollapse(true);
    format.setCellPadding(4 * pt);
    format.setCellSpacing(0);
    format.setHeaderRowCount(1);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setTopMargin(4 * pt);
    format.setBottomMargin(8 * pt);
}

inline QTextCharFormat captionFormat()
{
    QTextCharFormat format;
    QFont font(QStringLiteral("Arial"), 9);
    font.setItalic(true);
    format.setFont(font);
    format.setForeground(quietColour());
    return format;
}

} // namespace ManualStyle
