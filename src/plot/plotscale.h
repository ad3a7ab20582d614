#pragma once

#include "axisticks.h"
#include "plotdata.h"

#include <QPointF>

#include <optional>
#include <utility>

// What the axes of every drawing of a plot show: the ranges (every point with its error bar, and
// every fitted line, with a margin), the ticks at 1-2-5 steps, the titles, and the words and
// numbers written beside the series. The chart on screen and the drawn plot take them from here, so
// the screen, the files and the report agree.
struct PlotScale
{
    static constexpr int kMostXTicks = 10;
    static constexpr int kMostYTicks = 8;

    double xMin = 0.5;
    double xMax = 1.5;
    double yMin = 0.0;
    double yMax = 1.0;
    AxisTicks xTicks;
    AxisTicks yTicks;
    QString xTitle;
    QString yTitle;

    static PlotScale of(const PlotData &plot);

    // A tick's label: the locale's decimal mark, no digit grouping, the tick step's decimals.
    static QString tickLabel(double value, int decimals);
    // The fitted line of a series between its smallest and its largest angle.
    static std::optional<std::pair<QPointF, QPointF>> fitLine(const PlotSeries &series);
    // "slope 0.0021 ± 0.0008 per degree, intercept 0.272 ± 0.020" for the legend, with " *" where
    // the slope is not consistent with 0; or why a series has no line.
    static QString fitText(const PlotSeries &series);
    // A value with its standard uncertainty, both rounded to the uncertainty's second significant
    // digit: "0.272 ± 0.020".
    static QString withUncertainty(double value, double uncertainty);
};
