#pragma once

#include "plotcanvas.h"

#include <QFont>
#include <QTransform>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

// The plot drawn with a QPainter: on an image for a PNG, or as vector lines and text in a PDF or
// on a printer. Positions go through `toDevice` (a scale and a shift) here rather than through the
// painter's transform, so that text is laid out at the device's own size: a small font scaled up
// by the painter would keep the rounded widths of its small size.
class PainterCanvas : public PlotCanvas
{
public:
    explicit PainterCanvas(QPainter &painter, const QTransform &toDevice = {});

    void fill(const QRectF &rect, const QString &colour) override;
    void frame(const QRectF &rect, const QString &colour) override;
    void line(const QPointF &from, const QPointF &to, const QString &colour, double width,
              bool dashed, Part part) override;
    void marker(const QPointF &centre, PlotPalette::Marker shape, const QString &colour,
                Part part) override;
    void text(const QPointF &at, Anchor anchor, const QString &text, Part part,
              bool upright = true) override;

private:
    QPainter &m_painter;
    QTransform m_toDevice;
    double m_scale = 1.0;
    QFont m_font;
};
