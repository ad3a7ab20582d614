#include "chartplot.h"

#include "plotlegendview.h"
#include "plotpalette.h"
#include "plotscale.h"

#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

// Each error bar is a series of its own; past this many the chart slows down more than the bars
// add, and the points alone are drawn.
constexpr int kMostErrorBars = 1000;

// The ticks of the drawn plot on the chart's axis: the same 1-2-5 step and labels.
void setTicks(QValueAxis *axis, double min, double max, const AxisTicks &ticks)
{
    axis->setRange(min, max);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(ticks.values.isEmpty() ? 0.0 : ticks.values.constFirst());
    axis->setTickInterval(ticks.step);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(ticks.decimals));
}

} // namespace

ChartPlot::ChartPlot(QWidget *parent)
    : TrialPlot(parent)
    , m_chart(new QChart)
    , m_view(new QChartView(m_chart, this))
    , m_legend(new PlotLegendView(this))
{
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(QCoreApplication::translate("ChartPlot", "Plot"));
    m_view->setAccessibleDescription(QCoreApplication::translate(
        "ChartPlot",
        "Coefficient of friction against trial number or ramp angle, one series "
        "per sample and kind, with error bars and mean or fitted lines"));
    // Tick labels with the locale's decimal mark, as in the tables and the saved plot.
    m_chart->setLocalizeNumbers(true);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    m_chart->setLocale(locale);
    m_chart->legend()->hide();
    m_legend->setObjectName(QStringLiteral("plotLegend"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_legend);
}

void ChartPlot::setPlotData(const PlotData &plot)
{
    m_chart->removeAllSeries();
    // The chart gives a removed axis back to its caller.
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    const PlotScale scale = PlotScale::of(plot);
    auto *xAxis = new QValueAxis;
    xAxis->setTitleText(scale.xTitle);
    auto *yAxis = new QValueAxis;
    yAxis->setTitleText(scale.yTitle);
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);
    setTicks(xAxis, scale.xMin, scale.xMax, scale.xTicks);
    setTicks(yAxis, scale.yMin, scale.yMax, scale.yTicks);

    int barsLeft = kMostErrorBars;
    const auto attach = [&](QAbstractSeries *series) {
        m_chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };

    for (qsizetype s = 0; s < plot.series.size(); ++s) {
        const PlotSeries &data = plot.series.at(s);
        const QColor colour(PlotPalette::colour(int(s)));
        auto *points = new QScatterSeries;
        points->setName(data.name);
        points->setMarkerShape(PlotPalette::marker(data.kinetic) == PlotPalette::Marker::Square
                                   ? QScatterSeries::MarkerShapeRectangle
                                   : QScatterSeries::MarkerShapeCircle);
        points->setMarkerSize(data.kinetic ? 9 : 10);
        points->setColor(colour);
        points->setBorderColor(colour);
        for (const PlotPoint &p : data.points)
            points->append(plot.x(p), p.mu);
        for (const PlotPoint &p : data.points) {
            if (barsLeft-- <= 0)
                break;
            auto *bar = new QLineSeries;
            bar->append(plot.x(p), p.mu - p.uncertainty);
            bar->append(plot.x(p), p.mu + p.uncertainty);
            bar->setPen(QPen(colour, 1.5));
            attach(bar);
        }
        if (plot.axis == PlotAxis::Trial && !data.points.isEmpty()) {
            auto *mean = new QLineSeries;
            mean->append(data.points.constFirst().trial - 0.5, data.mean);
            mean->append(data.points.constLast().trial + 0.5, data.mean);
            mean->setPen(QPen(colour, 1.5, Qt::DashLine));
            attach(mean);
        }
        if (plot.axis == PlotAxis::Angle) {
            if (const auto line = PlotScale::fitLine(data)) {
                auto *fit = new QLineSeries;
                fit->append({ line->first, line->second });
                fit->setPen(QPen(colour, 1.5));
                attach(fit);
            }
        }
        // The points over their bars and lines.
        attach(points);
    }
    m_legend->setPlotData(plot);
}
