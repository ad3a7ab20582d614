#pragma once

#include "plotcanvas.h"

#include <QByteArray>
#include <QSizeF>
#include <QStringList>

// The plot as SVG text, written directly: vector lines for a report, without an SVG library.
class SvgCanvas : public PlotCanvas
{
public:
    void fill(const QRectF &rect, const QString &colour) override;
    void frame(const QRectF &rect, const QString &colour) override;
    void line(const QPointF &from, const QPointF &to, const QString &colour, double width,
              bool dashed, Part part) override;
    void marker(const QPointF &centre, PlotPalette::Marker shape, const QString &colour,
                Part part) override;
    void text(const QPointF &at, Anchor anchor, const QString &text, Part part,
              bool upright = true) override;

    // The whole document, `size` units wide and high.
    QByteArray document(const QSizeF &size) const;

private:
    QStringList m_elements;
};
