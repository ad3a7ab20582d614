#include "runningstatistics.h"

#include <cmath>
#include <limits>

void RunningStatistics::add(double value)
{
    ++m_count;
    const double delta = value - m_mean;
    m_mean += delta / m_count;
    m_squaredDeviations += delta * (value - m_mean);
}

double RunningStatistics::standardDeviation() const
{
    if (m_count < 2)
        return std::numeric_limits<double>::quiet_NaN();
    return std::sqrt(m_squaredDeviations / (m_count - 1));
}

double RunningStatistics::standardError() const
{
    return standardDeviation() / std::sqrt(double(m_count));
}
