#pragma once

#include "MonthChart.h"

#include <QString>

// Loads the chart module from beside the executable (once, the first time a chart is made) and
// makes charts with it.
namespace ChartModule {

// The module's file name beside the executable.
QString fileName();

// A chart made as a child of `parent`; throws Failure, with an Italian message naming the
// file, when the module is missing or is not ours.
MonthChart* make(QWidget* parent, const MonthChart::Months& months);

// Tests and benches run from folders of their own: the module's file they use instead
// (an empty path restores the one beside the executable).
void setFileForTests(const QString& path);

} // namespace ChartModule
