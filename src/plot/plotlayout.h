#pragma once

#include "plotscale.h"

#include <QRectF>
#include <QSizeF>

// Where the parts of a plot drawing go: the frame of the axes, the ticks, and the legend below
// the axes: per series its marker and name and, against the angle, a sample of its line with the
// slope and intercept beside the name (below it where the names are long). The legend adds to
// the height; the frame keeps the height asked for.
struct PlotLayout
{
    static constexpr double kFontSize = 12.0;
    static constexpr double kMarkerSize = 8.0;
    static constexpr double kLegendRow = 18.0;

    struct LegendEntry
    {
        // -1 for the closing line that says what bars and lines are.
        int series = 0;
        // A sample of the series' line rather than its marker.
        bool line = false;
        QString text;
        // Where the entry begins, and the middle of its row.
        double x = 0.0;
        double y = 0.0;
    };

    QSizeF size;
    QRectF area;
    PlotScale scale;
    QList<LegendEntry> legend;
    // Where the legend's first row begins.
    double legendTop = 0.0;

    QPointF map(double x, double y) const;
    // A generous estimate of the width of a text in the drawing's font, for a layout that must
    // hold for SVG, where nothing can be measured.
    static double textWidth(const QString &text);

    static PlotLayout of(const PlotData &plot, double width = 800.0, double areaHeight = 400.0);
};
