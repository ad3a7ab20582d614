#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <cmath>

// What the plot of µ against trial number shows: one series per sample and kind, each point with
// its δµ, and the series' mean. Plain values, so that the chart module and the SVG writer need
// nothing else of the results code.
struct PlotPoint
{
    double trial = 0.0;
    double mu = 0.0;
    double uncertainty = 0.0;
};

struct PlotSeries
{
    QString name;
    QList<PlotPoint> points;
    double mean = 0.0;
};

using PlotData = QList<PlotSeries>;

// The colour of the series at `index`, the same in the chart and in the SVG drawing: the chart
// theme's own five, in its order. Set on each series rather than left to the theme, which also
// counts the error bars and mean lines as series and so gave two groups one colour.
inline QString plotColour(qsizetype index)
{
    static const char *const colours[] = { "#209fdf", "#99ca53", "#f6a625", "#6d5fd5", "#bf593e" };
    return QString::fromLatin1(colours[index % 5]);
}

// The ranges both drawings of the plot show: every point with its error bar, half a trial to either
// side, a tenth more of µ above and below. An empty plot shows trial 1 and µ from 0 to 1.
struct PlotBounds
{
    double xMin = 0.5;
    double xMax = 1.5;
    double yMin = -0.1;
    double yMax = 1.1;
};

inline PlotBounds plotBounds(const PlotData &plot)
{
    double xMin = INFINITY, xMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
    for (const PlotSeries &series : plot) {
        for (const PlotPoint &p : series.points) {
            xMin = std::min(xMin, p.trial);
            xMax = std::max(xMax, p.trial);
            yMin = std::min(yMin, p.mu - p.uncertainty);
            yMax = std::max(yMax, p.mu + p.uncertainty);
        }
    }
    if (!std::isfinite(xMin))
        return {};
    const double pad = std::max((yMax - yMin) * 0.1, 0.01);
    return { xMin - 0.5, xMax + 0.5, yMin - pad, yMax + pad };
}
