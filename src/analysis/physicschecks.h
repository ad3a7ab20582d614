#pragma once

#include <QString>

// Values that a sound measurement on the ramp cannot give, found so that a slip of the finger or a
// gate that fired twice is caught before it goes into a report. Each check names what the value
// means and what to look at.
class PhysicsChecks
{
public:
    enum class Kind { Static, Kinetic };

    enum Flag {
        None = 0,
        // µk below zero: the block sped up faster than it would without friction.
        NegativeKinetic = 1 << 0,
        // µ over 2: the block would need more than twice its weight to keep it from sliding.
        LargeMu = 1 << 1,
        // 80° or more: the ramp cannot tilt that far, so the angle was misread or mistyped.
        SteepAngle = 1 << 2,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    static constexpr double kLargeMu = 2.0;
    static constexpr double kSteepAngleDeg = 80.0;

    static Flags ofTrial(Kind kind, double mu, double angleDeg);
    // A sample whose kinetic coefficient is above its static one: a block slides at once where
    // it stays put.
    static bool kineticExceedsStatic(double meanStatic, double meanKinetic);

    // What the flags mean and what to check, one sentence each, joined by line breaks.
    static QString explanation(Flags flags);
    static QString kineticExceedsStaticExplanation();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(PhysicsChecks::Flags)
