#include "linearfit.h"

#include <algorithm>
#include <cmath>

bool LinearFit::slopeIsSignificant() const
{
    return std::abs(slope) > 2.0 * slopeUncertainty;
}

std::optional<LinearFit> LinearFit::of(const QList<FitPoint> &points)
{
    // The sums of the normal equations, with the x centred on their weighted mean so that the
    // determinant does not cancel for angles far from zero.
    double s = 0.0, sx = 0.0;
    for (const FitPoint &p : points) {
        if (!(p.yUncertainty > 0.0) || !std::isfinite(p.yUncertainty) || !std::isfinite(p.x)
            || !std::isfinite(p.y)) {
            return std::nullopt;
        }
        const double w = 1.0 / (p.yUncertainty * p.yUncertainty);
        s += w;
        sx += w * p.x;
    }
    // Two different x at least. Asked of the values themselves: the centred sum below is not
    // exactly 0 for one x taken three times, and would give a slope out of rounding errors.
    if (points.size() < 2 || std::all_of(points.cbegin(), points.cend(), [&](const FitPoint &p) {
            return p.x == points.constFirst().x;
        }))
        return std::nullopt;
    const double xMean = sx / s;
    double stt = 0.0, sty = 0.0, sy = 0.0;
    for (const FitPoint &p : points) {
        const double w = 1.0 / (p.yUncertainty * p.yUncertainty);
        const double t = p.x - xMean;
        stt += w * t * t;
        sty += w * t * p.y;
        sy += w * p.y;
    }
    if (!(stt > 0.0))
        return std::nullopt;

    LinearFit fit;
    fit.slope = sty / stt;
    fit.slopeUncertainty = std::sqrt(1.0 / stt);
    fit.intercept = sy / s - fit.slope * xMean;
    fit.interceptUncertainty = std::sqrt(1.0 / s + xMean * xMean / stt);
    for (const FitPoint &p : points) {
        const double pull = (p.y - fit.intercept - fit.slope * p.x) / p.yUncertainty;
        fit.chiSquare += pull * pull;
    }
    fit.degreesOfFreedom = int(points.size()) - 2;
    return fit;
}
