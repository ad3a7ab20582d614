#include "plotexport.h"

#include "paintercanvas.h"
#include "plotdrawing.h"
#include "svgcanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cmath>

QByteArray PlotExport::svg(const PlotData &plot)
{
    const PlotLayout layout = PlotLayout::of(plot, kWidth);
    SvgCanvas canvas;
    PlotDrawing::draw(plot, layout, canvas);
    return canvas.document(layout.size);
}

QByteArray PlotExport::png(const PlotData &plot)
{
    constexpr double kScale = 2.0;
    const PlotLayout layout = PlotLayout::of(plot, kWidth);
    QImage image(int(std::ceil(layout.size.width() * kScale)),
                 int(std::ceil(layout.size.height() * kScale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(96.0 * kScale / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        PainterCanvas canvas(painter, QTransform::fromScale(kScale, kScale));
        PlotDrawing::draw(plot, layout, canvas);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

double PlotExport::paint(const PlotData &plot, const PlotLayout &layout, QPainter &painter,
                         const QPointF &topLeft, double width)
{
    const double scale = width / layout.size.width();
    painter.save();
    PainterCanvas canvas(painter,
                         QTransform::fromTranslate(topLeft.x(), topLeft.y()).scale(scale, scale));
    PlotDrawing::draw(plot, layout, canvas);
    painter.restore();
    return layout.size.height() * scale;
}
