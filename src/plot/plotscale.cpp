#include "plotscale.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QLocale numberLocale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

PlotScale PlotScale::of(const PlotData &plot)
{
    PlotScale scale;
    const bool byTrial = plot.axis == PlotAxis::Trial;
    scale.xTitle = byTrial ? QCoreApplication::translate("PlotScale", "Trial")
                           : QCoreApplication::translate("PlotScale", "Ramp angle (degrees)");
    scale.yTitle = QStringLiteral("µ");

    double xMin = INFINITY, xMax = -INFINITY, yMin = INFINITY, yMax = -INFINITY;
    for (const PlotSeries &series : plot.series) {
        for (const PlotPoint &p : series.points) {
            xMin = std::min(xMin, plot.x(p));
            xMax = std::max(xMax, plot.x(p));
            yMin = std::min(yMin, p.mu - p.uncertainty);
            yMax = std::max(yMax, p.mu + p.uncertainty);
        }
        if (const auto line = fitLine(series); line && !byTrial) {
            yMin = std::min({ yMin, line->first.y(), line->second.y() });
            yMax = std::max({ yMax, line->first.y(), line->second.y() });
        }
    }
    if (std::isfinite(xMin)) {
        // Whole trials get half a trial to either side; angles a twentieth of their span, at
        // least half a degree, so that a single angle still has room.
        const double xPad = byTrial ? 0.5 : std::max((xMax - xMin) * 0.05, 0.5);
        const double yPad = std::max((yMax - yMin) * 0.1, 0.01);
        scale.xMin = xMin - xPad;
        scale.xMax = xMax + xPad;
        scale.yMin = yMin - yPad;
        scale.yMax = yMax + yPad;
    } else if (!byTrial) {
        scale.xMin = 0.0;
        scale.xMax = 45.0;
    }
    scale.xTicks = AxisTicks::over(scale.xMin, scale.xMax, kMostXTicks, byTrial);
    scale.yTicks = AxisTicks::over(scale.yMin, scale.yMax, kMostYTicks);
    return scale;
}

QString PlotScale::tickLabel(double value, int decimals)
{
    // A tick at -0.0 reads as 0.
    if (std::abs(value) < 1e-12)
        value = 0.0;
    return numberLocale().toString(value, 'f', decimals);
}

std::optional<std::pair<QPointF, QPointF>> PlotScale::fitLine(const PlotSeries &series)
{
    if (!series.fit || series.points.isEmpty())
        return std::nullopt;
    const auto [low, high] = std::minmax_element(
        series.points.cbegin(), series.points.cend(),
        [](const PlotPoint &a, const PlotPoint &b) { return a.angleDeg < b.angleDeg; });
    const LinearFit &fit = *series.fit;
    const auto at = [&fit](double x) { return QPointF(x, fit.intercept + fit.slope * x); };
    return std::pair { at(low->angleDeg), at(high->angleDeg) };
}

QString PlotScale::withUncertainty(double value, double uncertainty)
{
    int decimals = 4;
    if (uncertainty > 0.0 && std::isfinite(uncertainty))
        decimals = std::clamp(1 - int(std::floor(std::log10(uncertainty))), 0, 9);
    const QLocale locale = numberLocale();
    return QStringLiteral("%1 ± %2").arg(locale.toString(value, 'f', decimals),
                                         locale.toString(uncertainty, 'f', decimals));
}

QString PlotScale::fitText(const PlotSeries &series)
{
    if (!series.fit)
        return QCoreApplication::translate("PlotScale",
                                           "no line: needs two angles and every δµ above 0");
    const LinearFit &fit = *series.fit;
    return QCoreApplication::translate("PlotScale", "slope %1 per degree, intercept %2%3")
        .arg(withUncertainty(fit.slope, fit.slopeUncertainty),
             withUncertainty(fit.intercept, fit.interceptUncertainty),
             fit.slopeIsSignificant() ? QStringLiteral(" *") : QString());
}
