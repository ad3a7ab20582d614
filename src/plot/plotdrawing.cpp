#include "plotdrawing.h"

#include "plotpalette.h"

namespace {

const QString kBlack = QStringLiteral("#000000");
const QString kGrid = QStringLiteral("#dddddd");

} // namespace

void PlotDrawing::draw(const PlotData &plot, const PlotLayout &layout, PlotCanvas &canvas)
{
    using Part = PlotCanvas::Part;
    using Anchor = PlotCanvas::Anchor;
    const PlotScale &scale = layout.scale;
    const QRectF &area = layout.area;
    const double fontSize = PlotLayout::kFontSize;

    canvas.fill(QRectF(QPointF(0, 0), layout.size), QStringLiteral("#ffffff"));
    for (double x : scale.xTicks.values) {
        const double px = layout.map(x, scale.yMin).x();
        canvas.line({ px, area.top() }, { px, area.bottom() }, kGrid, 1.0, false, Part::Grid);
        canvas.line({ px, area.bottom() }, { px, area.bottom() + 4 }, kBlack, 1.0, false,
                    Part::Frame);
        canvas.text({ px, area.bottom() + 6 + fontSize }, Anchor::Middle,
                    PlotScale::tickLabel(x, scale.xTicks.decimals), Part::Label);
    }
    for (double y : scale.yTicks.values) {
        const double py = layout.map(scale.xMin, y).y();
        canvas.line({ area.left(), py }, { area.right(), py }, kGrid, 1.0, false, Part::Grid);
        canvas.line({ area.left() - 4, py }, { area.left(), py }, kBlack, 1.0, false, Part::Frame);
        canvas.text({ area.left() - 7, py + fontSize * 0.35 }, Anchor::End,
                    PlotScale::tickLabel(y, scale.yTicks.decimals), Part::Label);
    }
    canvas.frame(area, kBlack);
    canvas.text({ area.center().x(), area.bottom() + 12 + 2 * fontSize }, Anchor::Middle,
                scale.xTitle, Part::Label);
    canvas.text({ fontSize + 4, area.center().y() }, Anchor::Middle, scale.yTitle, Part::Label,
                false);

    for (int s = 0; s < plot.series.size(); ++s) {
        const PlotSeries &series = plot.series.at(s);
        const QString colour = PlotPalette::colour(s);
        if (series.points.isEmpty())
            continue;
        if (plot.axis == PlotAxis::Trial) {
            const double first = series.points.constFirst().trial - 0.5;
            const double last = series.points.constLast().trial + 0.5;
            canvas.line(layout.map(first, series.mean), layout.map(last, series.mean), colour, 1.5,
                        true, Part::Mean);
        } else if (const auto line = PlotScale::fitLine(series)) {
            canvas.line(layout.map(line->first.x(), line->first.y()),
                        layout.map(line->second.x(), line->second.y()), colour, 1.5, false,
                        Part::Fit);
        }
        for (const PlotPoint &p : series.points) {
            const QPointF low = layout.map(plot.x(p), p.mu - p.uncertainty);
            const QPointF high = layout.map(plot.x(p), p.mu + p.uncertainty);
            canvas.line(low, high, colour, 1.5, false, Part::ErrorBar);
        }
        const PlotPalette::Marker shape = PlotPalette::marker(series.kinetic);
        for (const PlotPoint &p : series.points)
            canvas.marker(layout.map(plot.x(p), p.mu), shape, colour, Part::Point);
    }

    drawLegend(plot, layout, canvas);
}

void PlotDrawing::drawLegend(const PlotData &plot, const PlotLayout &layout, PlotCanvas &canvas)
{
    using Part = PlotCanvas::Part;
    using Anchor = PlotCanvas::Anchor;
    const double baseline = PlotLayout::kFontSize * 0.35;
    for (const PlotLayout::LegendEntry &entry : layout.legend) {
        const double x = entry.x, y = entry.y;
        if (entry.series < 0) {
            canvas.text({ x, y + baseline }, Anchor::Start, entry.text, Part::Legend);
            continue;
        }
        const QString colour = PlotPalette::colour(entry.series);
        if (entry.line) {
            // A series without a line gets the words why, without a sample of a line.
            if (plot.series.at(entry.series).fit)
                canvas.line({ x, y }, { x + 26, y }, colour, 2.0, false, Part::Legend);
            canvas.text({ x + 34, y + baseline }, Anchor::Start, entry.text, Part::Legend);
        } else {
            canvas.marker({ x + 6, y }, PlotPalette::marker(plot.series.at(entry.series).kinetic),
                          colour, Part::Legend);
            canvas.text({ x + 18, y + baseline }, Anchor::Start, entry.text, Part::Legend);
        }
    }
}
