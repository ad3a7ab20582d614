#pragma once

#include <QList>

#include <optional>

// A point for a straight-line fit: x taken as exact, y with its standard uncertainty.
struct FitPoint
{
    double x = 0.0;
    double y = 0.0;
    double yUncertainty = 0.0;
};

// The weighted least-squares line y = intercept + slope · x, each point weighted by 1/σ², with
// the standard uncertainties of slope and intercept that follow from the points' stated
// uncertainties, and χ² of the points about the line over ν = n - 2.
struct LinearFit
{
    double slope = 0.0;
    double slopeUncertainty = 0.0;
    double intercept = 0.0;
    double interceptUncertainty = 0.0;
    double chiSquare = 0.0;
    int degreesOfFreedom = 0;

    // Whether the slope differs from zero by more than twice its uncertainty.
    bool slopeIsSignificant() const;

    // Nothing for fewer than two distinct x, or a point without a positive, finite uncertainty.
    static std::optional<LinearFit> of(const QList<FitPoint> &points);
};
