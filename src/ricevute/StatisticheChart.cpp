#include "StatisticheChart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QPainter>
#include <QPainterPath>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kBarWidth = 0.55; // of a category
const QString kLegendTitle = u"Incassi:"_s;
const QString kFootnote = u"Tutti gli importi sono arrotondati all'euro"_s;

// Fonts sized in scene units (1/96 inch), not in points: a printer's painter resolves points
// against its own resolution, so a point size would print several times too large.
QFont chartFont(qreal points, bool bold = false)
{
    QFont font(u"Verdana"_s);
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

// The pie's centre and radius in chart coordinates, as Qt Charts places it.
QRectF pieRect(const QChart* chart, const QPieSeries* pie)
{
    const QRectF area = chart->plotArea();
    const qreal radius = pie->pieSize() * std::min(area.width(), area.height()) / 2;
    const QPointF centre(area.left() + area.width() * pie->horizontalPosition(),
                         area.top() + area.height() * pie->verticalPosition());
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

// Qt Charts counts pie angles clockwise from twelve o'clock; QPainter counter-clockwise from
// three o'clock, in sixteenths of a degree.
int painterStart(qreal start, qreal span)
{
    return int(std::lround((90.0 - start - span) * 16));
}

} // namespace

// The faces that give depth, under the series: the top and right side of each bar, or the
// rim below the pie.
class ChartDepth : public QGraphicsItem {
public:
    explicit ChartDepth(StatisticheChart* chart) : QGraphicsItem(chart), m_chart(chart) {}
    QRectF boundingRect() const override { return m_chart->rect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->setRenderHint(QPainter::Antialiasing);
        if (m_chart->m_pie)
            paintPie(*painter);
        else
            paintBars(*painter);
    }

    // The front face of bar `month`, in chart coordinates.
    static QRectF barFront(StatisticheChart* chart, int month)
    {
        const qreal value = qreal(chart->m_values.at(month));
        const QPointF topLeft = chart->mapToPosition(QPointF(month - kBarWidth / 2, value), chart->m_bars);
        const QPointF bottomRight = chart->mapToPosition(QPointF(month + kBarWidth / 2, 0), chart->m_bars);
        return QRectF(topLeft, bottomRight).normalized();
    }
    static QPointF barDepth(StatisticheChart* chart)
    {
        const QRectF front = barFront(chart, 0);
        return QPointF(front.width() * 0.35, -front.width() * 0.25);
    }

private:
    void paintBars(QPainter& painter)
    {
        const QPointF d = barDepth(m_chart);
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.8));
        for (int m = 0; m < 12; ++m) {
            const QRectF f = barFront(m_chart, m);
            const QColor colour = m_chart->monthColour(m);
            const QPolygonF top{f.topLeft(), f.topRight(), f.topRight() + d, f.topLeft() + d};
            painter.setBrush(colour.lighter(125));
            painter.drawPolygon(top);
            if (f.height() > 0.5) {
                const QPolygonF side{f.topRight(), f.bottomRight(), f.bottomRight() + d, f.topRight() + d};
                painter.setBrush(colour.darker(150));
                painter.drawPolygon(side);
            }
        }
    }

    // The rim is the pie's slices stacked one pixel lower each, `depth` times, the lowest
    // darkest. Below the pie a pixel shows the slice whose edge is right above it, so each
    // slice's side is its wedge one pixel down and the stretch of its edge in the lower half
    // drawn down to the last layer: a few fills instead of one per layer and slice.
    void paintPie(QPainter& painter)
    {
        const QPieSeries* pie = m_chart->m_pieSeries;
        if (pie->sum() <= 0)
            return;
        const QRectF disc = pieRect(m_chart, pie);
        const int depth = std::max(4, int(disc.height() * 0.06));
        painter.setPen(Qt::NoPen);
        const auto slices = pie->slices();
        for (const bool lowest : {true, false}) {
            for (const QPieSlice* slice : slices) {
                if (slice->angleSpan() <= 0)
                    continue;
                const qreal start = painterStart(slice->startAngle(), slice->angleSpan()) / 16.0;
                const qreal span = std::lround(slice->angleSpan() * 16) / 16.0;
                painter.setBrush(slice->brush().color().darker(lowest ? 190 : 160));
                painter.drawPath(wedge(disc.translated(0, lowest ? depth : 1), start, span));
                if (!lowest)
                    painter.drawPath(side(disc, depth - 1, start, span));
            }
        }
    }

    static QPainterPath wedge(const QRectF& disc, qreal start, qreal span)
    {
        QPainterPath path(disc.center());
        path.arcTo(disc, start, span);
        path.closeSubpath();
        return path;
    }

    // The stretch of the slice's edge in the lower half of the disc, drawn down by `drop`.
    // Painter angles run counter-clockwise from three o'clock; a slice's lie between -270 and
    // 90, where the lower half is -180 to 0.
    static QPainterPath side(const QRectF& disc, int drop, qreal start, qreal span)
    {
        const qreal from = std::max(start, -180.0), to = std::min(start + span, 0.0);
        QPainterPath path;
        if (to <= from)
            return path;
        path.arcMoveTo(disc, from);
        path.arcTo(disc, from, to - from);
        path.arcTo(disc.translated(0, drop), to, from - to);
        path.closeSubpath();
        return path;
    }

    StatisticheChart* m_chart;
};

// What is written over the chart: each point's value, the legend's title and the footnote.
class ChartMarks : public QGraphicsItem {
public:
    explicit ChartMarks(StatisticheChart* chart) : QGraphicsItem(chart), m_chart(chart) {}
    QRectF boundingRect() const override { return m_chart->rect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->setRenderHint(QPainter::Antialiasing);
        const QFont font = chartFont(8, true);
        painter->setFont(font);
        painter->setPen(Qt::black);
        if (!m_chart->m_pie) {
            const QPointF d = ChartDepth::barDepth(m_chart);
            for (int m = 0; m < 12; ++m)
                paintMark(*painter, ChartDepth::barFront(m_chart, m), d, m_chart->m_values.at(m));
        } else if (m_chart->m_pieSeries->sum() <= 0) {
            painter->setFont(chartFont(11, true));
            painter->drawText(m_chart->plotArea(), Qt::AlignCenter, u"Nessun incasso nell'anno."_s);
            painter->setFont(font);
        }

        painter->setFont(chartFont(7.5));
        const QRectF whole = m_chart->rect();
        painter->drawText(QRectF(whole.left() + 12, whole.bottom() - 24, whole.width() - 24, 20),
                          Qt::AlignRight | Qt::AlignVCenter, kFootnote);
    }

private:
    // A mark with the value, in a small yellow box above the bar's top face.
    static void paintMark(QPainter& painter, const QRectF& front, const QPointF& depth, qint64 value)
    {
        const QString text = QString::number(value);
        const QRectF textRect = painter.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
        QRectF box(0, 0, textRect.width(), textRect.height());
        box.moveCenter(
            QPointF(front.center().x() + depth.x() / 2, front.top() + depth.y() - box.height() / 2 - 4));
        painter.setBrush(QColor(0xFF, 0xFF, 0xE1));
        painter.setPen(QPen(Qt::gray, 0.8));
        painter.drawRect(box);
        painter.setPen(Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }

    StatisticheChart* m_chart;
};

StatisticheChart::StatisticheChart(const MonthChart::Months& months) : m_months(months)
{
    setTitle(u"Statistiche incassi annuali"_s);
    setTitleFont(chartFont(13, true));
    setMargins(QMargins(12, 8, 12, 28)); // the footnote sits in the bottom margin
    legend()->setAlignment(Qt::AlignBottom);
    legend()->setFont(chartFont(8));
    setAnimationOptions(QChart::NoAnimation);

    // The legend's title is an entry of its own with no mark, first in the legend's row.
    m_bars = new QStackedBarSeries(this);
    m_bars->setBarWidth(kBarWidth);
    auto* titleSet = new QBarSet(kLegendTitle);
    titleSet->setColor(Qt::transparent);
    titleSet->setBorderColor(Qt::transparent);
    titleSet->append(QList<qreal>(12, 0));
    m_bars->append(titleSet);
    for (int m = 0; m < 12; ++m) {
        auto* set = new QBarSet(m_months.names.at(m));
        set->setColor(monthColour(m));
        set->setBorderColor(QColor(0x40, 0x40, 0x40));
        m_bars->append(set);
    }
    m_pieSeries = new QPieSeries(this);
    m_pieSeries->setPieSize(0.72);
    m_pieSeries->setVerticalPosition(0.47);
    QPieSlice* titleSlice = m_pieSeries->append(kLegendTitle, 0);
    titleSlice->setColor(Qt::transparent);
    titleSlice->setBorderColor(Qt::transparent);
    titleSlice->setLabelVisible(false);
    for (int m = 0; m < 12; ++m) {
        QPieSlice* slice = m_pieSeries->append(m_months.names.at(m), 0);
        slice->setColor(monthColour(m));
        slice->setBorderColor(QColor(0x40, 0x40, 0x40));
        slice->setLabelFont(chartFont(9, true));
    }
    m_axisX = new QBarCategoryAxis(this);
    m_axisX->append(m_months.names);
    m_axisY = new QValueAxis(this);
    m_axisY->setLabelFormat(u"%.0f"_s);
    m_axisX->setLabelsFont(chartFont(8));
    m_axisY->setLabelsFont(chartFont(8));

    m_depth = new ChartDepth(this);
    m_depth->setZValue(3.5); // above the grid, under the series
    m_marks = new ChartMarks(this);
    m_marks->setZValue(100);
    connect(this, &QChart::plotAreaChanged, this, [this] {
        m_depth->update();
        m_marks->update();
    });
    rebuild();
}

void StatisticheChart::setValues(const QList<qint64>& values)
{
    m_values = values;
    m_values.resize(12);
    rebuild();
}

void StatisticheChart::setPie(bool pie)
{
    if (pie == m_pie)
        return;
    m_pie = pie;
    rebuild();
}

void StatisticheChart::rebuild()
{
    // Detached series and axes stay children of the chart, which deletes them at the end.
    for (QAbstractSeries* s : series()) {
        removeSeries(s);
        s->setParent(this);
    }
    for (QAbstractAxis* a : axes()) {
        removeAxis(a);
        a->setParent(this);
    }

    for (int m = 0; m < 12; ++m) {
        // Each month's set holds its value at its own category and nothing elsewhere, so every
        // bar has its colour and its legend entry.
        QList<qreal> row(12, 0);
        row[m] = qreal(m_values.at(m));
        QBarSet* set = monthSet(m);
        set->remove(0, set->count());
        set->append(row);
        QPieSlice* slice = monthSlice(m);
        slice->setValue(std::max<qreal>(0, qreal(m_values.at(m))));
        slice->setLabel(QString::number(m_values.at(m)));
        slice->setLabelVisible(m_values.at(m) > 0);
    }

    if (m_pie) {
        addSeries(m_pieSeries);
        // The slices' own labels are their values; the legend names the months.
        const QList<QLegendMarker*> markers = legend()->markers(m_pieSeries);
        for (int m = 0; m + 1 < markers.size() && m < 12; ++m)
            markers[m + 1]->setLabel(m_months.names.at(m));
    } else {
        addSeries(m_bars);
        const qint64 top = *std::max_element(m_values.begin(), m_values.end());
        const qint64 bottom = std::min<qint64>(0, *std::min_element(m_values.begin(), m_values.end()));
        m_axisY->setRange(qreal(bottom), top > 0 ? qreal(top) * 1.15 : 10.0);
        m_axisY->applyNiceNumbers();
        addAxis(m_axisX, Qt::AlignBottom);
        addAxis(m_axisY, Qt::AlignLeft);
        m_bars->attachAxis(m_axisX);
        m_bars->attachAxis(m_axisY);
    }
    for (QLegendMarker* marker : legend()->markers()) {
        if (marker->label() == kLegendTitle) {
            marker->setBrush(Qt::NoBrush);
            marker->setPen(Qt::NoPen);
            QFont font = marker->font();
            font.setBold(true);
            marker->setFont(font);
        }
    }
    m_depth->update();
    m_marks->update();
}

QColor StatisticheChart::monthColour(int month) const
{
    return QColor::fromRgb(m_months.colours.at(month));
}

QBarSet* StatisticheChart::monthSet(int month) const
{
    return m_bars->barSets().at(month + 1);
}

QPieSlice* StatisticheChart::monthSlice(int month) const
{
    return m_pieSeries->slices().at(month + 1);
}

void StatisticheChart::renderCopy(QPainter& painter, const QRectF& target, const QSizeF& size) const
{
    QGraphicsScene scene;
    auto* copy = new StatisticheChart(m_months);
    scene.addItem(copy);
    copy->setValues(m_values);
    copy->setPie(m_pie);
    copy->setGeometry(QRectF(QPointF(0, 0), size));
    if (copy->layout())
        copy->layout()->activate();
    scene.setSceneRect(copy->geometry());
    scene.render(&painter, target, copy->geometry(), Qt::KeepAspectRatio);
}
