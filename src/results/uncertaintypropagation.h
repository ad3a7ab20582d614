#pragma once

#include "frictiontrial.h"

// The operator's estimates of how far each measured quantity may be off, in the units of the
// calculator's boxes. The gravitational acceleration is taken as exact.
struct Uncertainties
{
    double angleDeg = 0.5;
    double lengthCm = 0.1;
    double deltaTMs = 1.0;
};

// A trial's first-order uncertainty; its coefficient is the calculator's
// (FrictionCalc::coefficient).
namespace UncertaintyPropagation {

// The independent uncertainties propagated in quadrature through the partial derivatives of the
// coefficient, with the angle in radians.
double uncertainty(const FrictionTrial &trial, const Uncertainties &uncertainties);

} // namespace UncertaintyPropagation
