#pragma once

#include <QList>
#include <QString>

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
