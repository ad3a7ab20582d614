#pragma once

#include "indexermodel.h"

#include <QList>
#include <QRandomGenerator>

#include <optional>

// The block on the virtual ramp and the photogate below it. The block rests until the ramp first
// tilts past the angle whose tangent is its coefficient of static friction; from there it slides
// from rest with the constant acceleration a = g (sin θ - µk cos θ) of the angle at which it
// slipped, and the photogate times it over its own length once it has slid one length.
//
// The gate's time is ΔT = sqrt(L / (2a)): the block's length over the speed sqrt(2aL) it has after
// one length. That is exactly the relation the friction calculator inverts, so a trial recovers
// the coefficients the block was given.
class SlidingBlock
{
public:
    enum class State { Resting, Sliding, Passed, Stopped };

    struct Options
    {
        double lengthCm = 5;
        double muStatic = 0.45;
        double muKinetic = 0.32;
        double gravity = 9.80665;
        // Standard deviation of the Gaussian noise added to the logged gate time.
        double gateNoiseMs = 0;
        quint32 seed = 0;
    };

    explicit SlidingBlock(const Options &options);

    const Options &options() const { return m_options; }
    State state() const { return m_state; }
    // Degrees, atan(µs).
    double slipAngle() const;
    // The last logged gate time in milliseconds, noise included.
    std::optional<double> lastDeltaTMs() const { return m_lastDeltaTMs; }
    // The ramp's angle in degrees when the block last slipped, as logged.
    std::optional<double> lastSlipAngle() const { return m_lastSlipAngle; }

    // The gate time in seconds for a block that slid at `angle` degrees; nothing when friction
    // holds it (a ≤ 0).
    static std::optional<double> deltaT(double angle, double lengthCm, double muKinetic,
                                        double gravity);

    // The resting block slips at `time`, at `angle` degrees.
    QList<IndexerEvent> slip(double time, double angle);
    // What the sliding block did up to `now`.
    QList<IndexerEvent> advance(double now);
    // Puts the block back at the top of the ramp, at rest.
    void place();

private:
    double noiseMs();

    Options m_options;
    QRandomGenerator m_random;
    State m_state = State::Resting;
    double m_gateTime = 0; // when the block has passed the gate
    double m_deltaTMs = 0;
    std::optional<double> m_lastDeltaTMs;
    std::optional<double> m_lastSlipAngle;
};
