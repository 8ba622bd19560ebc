#pragma once

#include <QtGlobal>

// The one place for the report's units. A report unit is 1/96 inch: one pixel of a 96-dpi
// device. Paper and margins are in millimetres, fonts in points; devices count dots.
namespace ReportUnits {

constexpr double kPerInch = 96.0;
constexpr double kPerMm = kPerInch / 25.4;
constexpr double kPerPoint = kPerInch / 72.0;
// The millimetre of the templates written in millimetres, rounded as their Parts give it.
constexpr double kTemplateMm = 3.7795;
// One line of text in a report: 12.822 units at 8 pt, in proportion at other sizes.
constexpr double kLineHeightAt8Points = 12.822;

constexpr double fromMm(double mm)
{
    return mm * kPerMm;
}
constexpr double toMm(double units)
{
    return units * 25.4 / kPerInch;
}
constexpr double fromPoints(double points)
{
    return points * kPerPoint;
}
constexpr double lineHeight(double fontPoints)
{
    return fromPoints(fontPoints) * (kLineHeightAt8Points / fromPoints(8.0));
}
// How many device dots one report unit covers on a device of `dpi` dots per inch.
constexpr double dotsPerUnit(double dpi)
{
    return dpi / kPerInch;
}
// The 96-dpi device in dots per metre, as QImage takes it.
constexpr int kDotsPerMetre = 3780;

} // namespace ReportUnits
