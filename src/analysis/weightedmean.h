#pragma once

// The analysis room: the statistics a lab report asks of the kept trials, as plain functions over
// plain values (weighted means, straight-line fits, the physics checks, axis ticks and the plot's
// colours). QtCore only; it knows no window, no database and no file.

#include <QList>

#include <optional>

// One measured value with its standard uncertainty.
struct Measurement
{
    double value = 0.0;
    double uncertainty = 0.0;
};

// The inverse-variance weighted mean of measurements and how well they agree with it: χ² of the
// values about the mean, over ν = n - 1 degrees of freedom. A reduced χ² well above 1 says the
// values scatter more than their stated uncertainties allow.
struct WeightedMean
{
    double mean = 0.0;
    double uncertainty = 0.0;
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;

    // χ²/ν; nothing for a single measurement.
    std::optional<double> reducedChiSquare() const;
    // The scatter is larger than the uncertainties explain: χ²/ν over 3 with at least three values.
    bool scatterExceedsUncertainties() const;

    // Nothing without measurements, or when one has no positive, finite uncertainty (its weight
    // would be infinite or undefined).
    static std::optional<WeightedMean> of(const QList<Measurement> &measurements);
};
