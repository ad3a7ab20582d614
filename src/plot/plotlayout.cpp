#include "plotlayout.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// From an entry's start to its text: past the marker, or past the line's sample.
constexpr double kMarkerIndent = 18.0;
constexpr double kLineIndent = 34.0;

} // namespace

QPointF PlotLayout::map(double x, double y) const
{
    return { area.left() + (x - scale.xMin) / (scale.xMax - scale.xMin) * area.width(),
             area.bottom() - (y - scale.yMin) / (scale.yMax - scale.yMin) * area.height() };
}

double PlotLayout::textWidth(const QString &text)
{
    return text.size() * kFontSize * 0.62;
}

PlotLayout PlotLayout::of(const PlotData &plot, double width, double areaHeight)
{
    PlotLayout layout;
    layout.scale = PlotScale::of(plot);
    // Room on the left for tick labels such as "-0.05" and the axis title, below for the tick
    // labels and the title of the horizontal axis.
    const double left = 72.0, right = 20.0, top = 14.0, below = 54.0;
    layout.area = QRectF(left, top, width - left - right, areaHeight);
    layout.legendTop = layout.area.bottom() + below;

    const bool byAngle = plot.axis == PlotAxis::Angle;
    // Against the angle the lines' words go beside the names when both fit on a row.
    double nameColumn = 0.0, lineColumn = 0.0;
    for (const PlotSeries &series : plot.series) {
        nameColumn = std::max(nameColumn, kMarkerIndent + textWidth(series.name) + 16.0);
        lineColumn = std::max(lineColumn, kLineIndent + textWidth(PlotScale::fitText(series)));
    }
    const bool besideNames = left + nameColumn + lineColumn <= width - right;

    double y = layout.legendTop + kLegendRow / 2;
    for (int s = 0; s < plot.series.size(); ++s) {
        const PlotSeries &series = plot.series.at(s);
        layout.legend << LegendEntry { s, false, series.name, left, y };
        if (byAngle) {
            if (!besideNames)
                y += kLegendRow;
            layout.legend << LegendEntry { s, true, PlotScale::fitText(series),
                                           besideNames ? left + nameColumn : left + 14.0, y };
        }
        y += kLegendRow;
    }
    // What the lines and bars are, for a reader of the saved picture or the report.
    const QStringList closing = byAngle
        ? QStringList { QCoreApplication::translate(
                            "PlotLayout",
                            "Bars: ± δµ of each trial; lines: "
                            "weighted least-squares fits of µ against the angle"),
                        QCoreApplication::translate(
                            "PlotLayout",
                            "*: the slope is not consistent with 0 (more than twice "
                            "its uncertainty away)") }
        : QStringList { QCoreApplication::translate("PlotLayout",
                                                    "Bars: ± δµ of each trial; dashed lines: "
                                                    "the mean of each series") };
    for (const QString &text : closing) {
        layout.legend << LegendEntry { -1, false, text, left, y };
        y += kLegendRow;
    }
    layout.size = QSizeF(width, y + 6.0);
    return layout;
}
