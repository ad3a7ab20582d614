#include "uncertaintypropagation.h"

#include <cmath>

namespace {

// The calculator converts degrees with this decimal, not with the double nearest to pi.
constexpr double kPi = 3.14159265358979;

double radians(double degrees)
{
    return (degrees * kPi) / 180.0;
}

} // namespace

double UncertaintyPropagation::coefficient(const FrictionTrial &trial)
{
    const double theta = radians(trial.angleDeg);
    if (trial.kind == FrictionTrial::Kind::Static)
        return std::tan(theta);
    const double l = trial.lengthCm / 100.0;
    const double t = trial.deltaTMs / 1000.0;
    const double v = l / t;
    const double d = ((2.0 * trial.gravity) * l) * std::cos(theta);
    return std::tan(theta) - std::pow(v, 2) / d;
}

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
