#pragma once

#include <limits>

// One successful calculation as the calculator window reports it: which coefficient, and the
// numbers it was computed from, in the units the boxes take them. A static trial has only an
// angle; its other quantities are NaN.
struct FrictionTrial
{
    enum class Kind { Static, Kinetic };

    Kind kind = Kind::Static;
    double angleDeg = 0.0;
    double lengthCm = std::numeric_limits<double>::quiet_NaN();
    double deltaTMs = std::numeric_limits<double>::quiet_NaN();
    double gravity = std::numeric_limits<double>::quiet_NaN();
};
