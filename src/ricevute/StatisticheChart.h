#pragma once

#include "MonthChart.h"

#include <QChart>
#include <QList>

class QGraphicsScene;
class QPainter;
class QPieSeries;
class QStackedBarSeries;
class QValueAxis;
class QBarCategoryAxis;
class QBarSet;
class QPieSlice;

// The chart of the twelve month totals: one point per month with its label and
// colour, as bars or as a pie, with the title, the footnote, the legend titled "Incassi:" and
// the value of each point written beside it. Qt Charts draws the flat chart; the depth of the
// "three-dimensional" look is painted here over it, so the chart renders on any device,
// offscreen and on a printer, with no OpenGL.
class StatisticheChart : public QChart {
    Q_OBJECT
public:
    explicit StatisticheChart(const MonthChart::Months& months);

    // Twelve whole-euro values, January first.
    void setValues(const QList<qint64>& values);
    const QList<qint64>& values() const { return m_values; }
    void setPie(bool pie);
    bool isPie() const { return m_pie; }

    QStackedBarSeries* barSeries() const { return m_bars; }
    QPieSeries* pieSeries() const { return m_pieSeries; }
    // A month's bars and slice (0 = January); the series' first entry is the legend's title.
    QBarSet* monthSet(int month) const;
    QPieSlice* monthSlice(int month) const;

    // The same chart drawn alone into `target` of any painter (a printed page): a fresh chart
    // laid out at `size` (report units) and scaled to the target.
    void renderCopy(QPainter& painter, const QRectF& target, const QSizeF& size) const;

private:
    friend class ChartDepth;
    friend class ChartMarks;
    void rebuild();
    QColor monthColour(int month) const;

    MonthChart::Months m_months;
    QList<qint64> m_values = QList<qint64>(12, 0);
    bool m_pie = false;
    QStackedBarSeries* m_bars;
    QPieSeries* m_pieSeries;
    QBarCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    QGraphicsItem* m_depth;
    QGraphicsItem* m_marks;
};
