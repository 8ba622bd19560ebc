#pragma once

#include "ReportModel.h"

#include <QFont>
#include <QImage>

// How the lines of a text box print: [DATE] evaluated where the box asks for it, <b> and
// <i> turned into bold and italic runs where tags are on, and every line cut at the box's
// right edge (there is no word wrap).
namespace ReportText {

QFont fontOf(const TextBox& box, bool bold, bool italic); // sized for a 96-dpi device
const QImage& unitDevice(); // a 96-dpi device: one report unit is one of its dots
QList<QList<PreparedItem::Run>> printedLines(const TextBox& box);

} // namespace ReportText
