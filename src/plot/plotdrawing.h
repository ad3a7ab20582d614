#pragma once

#include "plotcanvas.h"
#include "plotlayout.h"

// The plot drawn once for every medium: grid, axes with their ticks and titles, per series the
// error bars, the markers and, against trial number, a dashed line at the mean or, against the
// angle, the fitted line; then the legend.
namespace PlotDrawing {

void draw(const PlotData &plot, const PlotLayout &layout, PlotCanvas &canvas);
// The legend alone, where the layout puts it: the chart on screen shows the drawing's own legend
// under its axes, since the chart's would cut the lines' slopes short.
void drawLegend(const PlotData &plot, const PlotLayout &layout, PlotCanvas &canvas);

} // namespace PlotDrawing
