#include "chartplot.h"

#include <QChart>
#include <QChartView>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// Each error bar is a series of its own; past this many the chart slows down more than the bars
// add, and the points alone are drawn.
constexpr int kMostErrorBars = 1000;

} // namespace

ChartPlot::ChartPlot(QWidget *parent)
    : TrialPlot(parent)
    , m_chart(new QChart)
    , m_view(new QChartView(m_chart, this))
{
    m_view->setObjectName(QStringLiteral("chartView"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(QStringLiteral("Plot"));
    m_view->setAccessibleDescription(
        QStringLiteral("Coefficient of friction against trial number, one series per sample and "
                       "kind, with error bars and mean lines"));
    m_chart->legend()->setAlignment(Qt::AlignRight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void ChartPlot::setPlotData(const PlotData &plot)
{
    m_chart->removeAllSeries();
    // The chart gives a removed axis back to its caller.
    for (QAbstractAxis *axis : m_chart->axes()) {
        m_chart->removeAxis(axis);
        delete axis;
    }
    auto *xAxis = new QValueAxis;
    xAxis->setTitleText(QStringLiteral("Trial"));
    xAxis->setLabelFormat(QStringLiteral("%d"));
    auto *yAxis = new QValueAxis;
    yAxis->setTitleText(QStringLiteral("\u00b5"));
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);

    int barsLeft = kMostErrorBars;
    const auto attach = [&](QAbstractSeries *series) {
        m_chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    };

    for (qsizetype s = 0; s < plot.size(); ++s) {
        const PlotSeries &data = plot.at(s);
        auto *points = new QScatterSeries;
        points->setName(data.name);
        points->setMarkerSize(8);
        points->setColor(QColor(plotColour(s)));
        points->setBorderColor(QColor(plotColour(s)));
        for (const PlotPoint &p : data.points) {
            points->append(p.trial, p.mu);
        }
        attach(points);
        const QColor colour = points->color();
        for (const PlotPoint &p : data.points) {
            if (barsLeft-- <= 0)
                break;
            auto *bar = new QLineSeries;
            bar->append(p.trial, p.mu - p.uncertainty);
            bar->append(p.trial, p.mu + p.uncertainty);
            bar->setPen(QPen(colour, 1.5));
            attach(bar);
        }
        if (!data.points.isEmpty()) {
            auto *mean = new QLineSeries;
            mean->append(data.points.constFirst().trial - 0.5, data.mean);
            mean->append(data.points.constLast().trial + 0.5, data.mean);
            mean->setPen(QPen(colour, 1.5, Qt::DashLine));
            attach(mean);
        }
    }
    // The legend names the series of points; bars and mean lines go with them. One pass: asking
    // the legend for each line's markers would search all of them every time.
    for (QLegendMarker *marker : m_chart->legend()->markers()) {
        if (!qobject_cast<QScatterSeries *>(marker->series()))
            marker->setVisible(false);
    }

    const PlotBounds bounds = plotBounds(plot);
    // Trial numbers are whole: ticks only on whole numbers, ten or so at the most, so that no two
    // ticks share a label.
    const double first = std::floor(bounds.xMin);
    const double last = std::ceil(bounds.xMax);
    xAxis->setRange(first, last);
    xAxis->setTickType(QValueAxis::TicksDynamic);
    xAxis->setTickAnchor(0.0);
    xAxis->setTickInterval(std::max(1.0, std::ceil((last - first) / 10.0)));
    yAxis->setRange(bounds.yMin, bounds.yMax);
    yAxis->applyNiceNumbers();
}
