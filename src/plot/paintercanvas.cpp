#include "paintercanvas.h"

#include "plotlayout.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

PainterCanvas::PainterCanvas(QPainter &painter, const QTransform &toDevice)
    : m_painter(painter)
    , m_toDevice(toDevice)
    , m_scale(toDevice.m11())
{
    m_font.setFamily(QStringLiteral("DejaVu Sans"));
    m_font.setStyleHint(QFont::SansSerif);
    m_font.setPixelSize(std::max(1, int(std::lround(PlotLayout::kFontSize * m_scale))));
    m_painter.setRenderHint(QPainter::Antialiasing);
}

void PainterCanvas::fill(const QRectF &rect, const QString &colour)
{
    m_painter.fillRect(m_toDevice.mapRect(rect), QColor(colour));
}

void PainterCanvas::frame(const QRectF &rect, const QString &colour)
{
    m_painter.setPen(QPen(QColor(colour), m_scale));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(m_toDevice.mapRect(rect));
}

void PainterCanvas::line(const QPointF &from, const QPointF &to, const QString &colour,
                         double width, bool dashed, Part)
{
    QPen pen(QColor(colour), width * m_scale);
    // The SVG's dashes of 6 and 4 units, in line widths as a pen counts them.
    if (dashed)
        pen.setDashPattern({ 6.0 / width, 4.0 / width });
    pen.setCapStyle(Qt::FlatCap);
    m_painter.setPen(pen);
    m_painter.drawLine(m_toDevice.map(from), m_toDevice.map(to));
}

void PainterCanvas::marker(const QPointF &centre, PlotPalette::Marker shape, const QString &colour,
                           Part)
{
    const QColor fill(colour);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    const QPointF c = m_toDevice.map(centre);
    const double r = PlotLayout::kMarkerSize / 2 * m_scale;
    if (shape == PlotPalette::Marker::Square)
        m_painter.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
    else
        m_painter.drawEllipse(c, r, r);
}

void PainterCanvas::text(const QPointF &at, Anchor anchor, const QString &text, Part, bool upright)
{
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    m_painter.translate(m_toDevice.map(at));
    if (!upright)
        m_painter.rotate(-90);
    const double width = QFontMetricsF(m_font).horizontalAdvance(text);
    const double x = anchor == Anchor::Start ? 0.0 : anchor == Anchor::Middle ? -width / 2 : -width;
    m_painter.drawText(QPointF(x, 0), text);
    m_painter.restore();
}
