#pragma once

#include "plotdata.h"

#include <QByteArray>

// The plot as an SVG drawing, written directly from the data: vector lines for a report, without
// a dependency on an SVG library.
namespace PlotSvg {

QByteArray render(const PlotData &plot, int width = 800, int height = 500);

} // namespace PlotSvg
