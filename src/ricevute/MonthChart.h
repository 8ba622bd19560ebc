#pragma once

#include <QList>
#include <QRgb>
#include <QStringList>

class QPainter;
class QRectF;
class QSizeF;
class QWidget;

// The chart of the twelve month totals as the statistics screen uses it: bars or a pie, drawn
// on the screen and again on a printed page. Its code is a module of its own beside the
// executable (ChartModule), so Qt Charts and the OpenGL libraries it brings are loaded when
// the statistics screen is first opened, not at every start of the program.
class MonthChart {
public:
    struct Months {
        QStringList names; // January first
        QList<QRgb> colours;
    };

    virtual ~MonthChart() = default;

    // The chart on the screen (objectName ChartStats), a child of the widget it was made for.
    virtual QWidget* view() = 0;
    // Twelve whole-euro values, January first.
    virtual void setValues(const QList<qint64>& values) = 0;
    virtual const QList<qint64>& values() const = 0;
    virtual void setPie(bool pie) = 0;
    virtual bool isPie() const = 0;
    // The same chart drawn alone into `target` of any painter (a printed page): a fresh chart
    // laid out at `size` (report units) and scaled to the target.
    virtual void renderCopy(QPainter& painter, const QRectF& target, const QSizeF& size) const = 0;
};

// The module's one entry: a chart made as a child of `parent`, which owns and deletes it.
using MakeMonthChart = MonthChart* (*)(QWidget* parent, const MonthChart::Months& months);
inline constexpr char kMakeMonthChart[] = "tarventoMakeMonthChart";
