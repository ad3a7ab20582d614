#include "uncertaintypropagation.h"

#include <cmath>
#include <numbers>

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

double UncertaintyPropagation::uncertainty(const FrictionTrial &trial,
                                           const Uncertainties &uncertainties)
{
    const double theta = radians(trial.angleDeg);
    const double dTheta = radians(uncertainties.angleDeg);
    const double cosTheta = std::cos(theta);
    const double sec2 = 1.0 / (cosTheta * cosTheta);
    if (trial.kind == FrictionTrial::Kind::Static)
        return std::abs(sec2 * dTheta);

    // mu = tan(theta) - L / (2 g t^2 cos(theta)), with L in metres and t in seconds.
    const double l = trial.lengthCm / 100.0;
    const double t = trial.deltaTMs / 1000.0;
    const double g = trial.gravity;
    const double dL = uncertainties.lengthCm / 100.0;
    const double dT = uncertainties.deltaTMs / 1000.0;

    const double byTheta = sec2 - l * std::sin(theta) / (2.0 * g * t * t * cosTheta * cosTheta);
    const double byLength = -1.0 / (2.0 * g * t * t * cosTheta);
    const double byTime = l / (g * t * t * t * cosTheta);
    return std::hypot(byTheta * dTheta, byLength * dL, byTime * dT);
}
