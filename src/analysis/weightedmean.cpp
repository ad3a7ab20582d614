#include "weightedmean.h"

#include <cmath>

std::optional<double> WeightedMean::reducedChiSquare() const
{
    if (degreesOfFreedom < 1)
        return std::nullopt;
    return chiSquare / degreesOfFreedom;
}

bool WeightedMean::scatterExceedsUncertainties() const
{
    return degreesOfFreedom >= 2 && chiSquare / degreesOfFreedom > 3.0;
}

std::optional<WeightedMean> WeightedMean::of(const QList<Measurement> &measurements)
{
    if (measurements.isEmpty())
        return std::nullopt;
    double weights = 0.0;
    double weighted = 0.0;
    for (const Measurement &m : measurements) {
        if (!(m.uncertainty > 0.0) || !std::isfinite(m.uncertainty) || !std::isfinite(m.value))
            return std::nullopt;
        const double w = 1.0 / (m.uncertainty * m.uncertainty);
        weights += w;
        weighted += w * m.value;
    }
    WeightedMean result;
    result.mean = weighted / weights;
    result.uncertainty = 1.0 / std::sqrt(weights);
    for (const Measurement &m : measurements) {
        const double pull = (m.value - result.mean) / m.uncertainty;
        result.chiSquare += pull * pull;
    }
    result.degreesOfFreedom = int(measurements.size()) - 1;
    return result;
}
