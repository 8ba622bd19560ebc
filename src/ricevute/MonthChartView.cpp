// The chart module's entry: the month chart as a chart view on the screen, made by the
// program through ChartModule. Only this module links Qt Charts.
#include "MonthChart.h"
#include "StatisticheChart.h"

#include <QChartView>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

class MonthChartView final : public QChartView, public MonthChart {
public:
    MonthChartView(QWidget* parent, const Months& months)
        : QChartView(new StatisticheChart(months), parent), m_chart(static_cast<StatisticheChart*>(chart()))
    {
        setObjectName(u"ChartStats"_s);
        setRenderHint(QPainter::Antialiasing);
    }

    QWidget* view() override { return this; }
    void setValues(const QList<qint64>& values) override { m_chart->setValues(values); }
    const QList<qint64>& values() const override { return m_chart->values(); }
    void setPie(bool pie) override { m_chart->setPie(pie); }
    bool isPie() const override { return m_chart->isPie(); }
    void renderCopy(QPainter& painter, const QRectF& target, const QSizeF& size) const override
    {
        m_chart->renderCopy(painter, target, size);
    }

private:
    StatisticheChart* m_chart;
};

} // namespace

extern "C" Q_DECL_EXPORT MonthChart* tarventoMakeMonthChart(QWidget* parent, const MonthChart::Months& months)
{
    return new MonthChartView(parent, months);
}
