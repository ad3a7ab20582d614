#pragma once

#include "plotlayout.h"

#include <QByteArray>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

// The plot as the files the operator saves, and on any painter for the report: all three drawn by
// PlotDrawing from the same layout.
namespace PlotExport {

// The drawing's width in its own units; the height follows from the legend.
constexpr double kWidth = 800.0;

QByteArray svg(const PlotData &plot);
// Twice the drawing's size in pixels, marked as 192 dots per inch so that a document shows it at
// the drawing's size, sharp on a printer.
QByteArray png(const PlotData &plot);
// Draws the laid-out plot at `topLeft`, scaled to `width`, both in the painter's device units;
// returns the height it took.
double paint(const PlotData &plot, const PlotLayout &layout, QPainter &painter,
             const QPointF &topLeft, double width);

} // namespace PlotExport
