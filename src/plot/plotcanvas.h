#pragma once

#include "plotpalette.h"

#include <QPointF>
#include <QRectF>
#include <QString>

// What a plot drawing is made of, for a painter or for SVG text. Positions are in the drawing's own
// units (PlotLayout's); colours are "#rrggbb". Each call names the part it draws, which an SVG
// writes as the element's class.
class PlotCanvas
{
public:
    enum class Part { Background, Grid, Frame, Label, Mean, Fit, ErrorBar, Point, Legend };
    enum class Anchor { Start, Middle, End };

    virtual ~PlotCanvas() = default;

    virtual void fill(const QRectF &rect, const QString &colour) = 0;
    virtual void frame(const QRectF &rect, const QString &colour) = 0;
    virtual void line(const QPointF &from, const QPointF &to, const QString &colour, double width,
                      bool dashed, Part part)
        = 0;
    virtual void marker(const QPointF &centre, PlotPalette::Marker shape, const QString &colour,
                        Part part)
        = 0;
    // Text standing on its baseline at `at`; `upright` false turns it a quarter left (a vertical
    // axis title).
    virtual void text(const QPointF &at, Anchor anchor, const QString &text, Part part,
                      bool upright = true)
        = 0;
};
