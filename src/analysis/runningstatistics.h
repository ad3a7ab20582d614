#pragma once

// Count, mean and spread of a stream of values, updated one value at a time by Welford's method:
// no sum of squares is formed, so values with a large common offset keep their spread.
class RunningStatistics
{
public:
    void add(double value);

    int count() const { return m_count; }
    double mean() const { return m_mean; }
    // The sample standard deviation (n - 1 in the denominator); NaN for fewer than two values.
    double standardDeviation() const;
    // The standard error of the mean, s / sqrt(n); NaN for fewer than two values.
    double standardError() const;

private:
    int m_count = 0;
    double m_mean = 0.0;
    double m_squaredDeviations = 0.0;
};
