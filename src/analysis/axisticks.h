#pragma once

#include <QList>

// Tick marks for a plot axis at 1-2-5 steps (…, 0.05, 0.1, 0.2, 0.5, 1, 2, 5, 10, …): the smallest
// such step that keeps the ticks over the range to `maxTicks` or fewer, and every multiple of it
// inside the range.
struct AxisTicks
{
    double step = 1.0;
    QList<double> values;
    // Decimals that show every tick exactly at this step: 2 for 0.05, 1 for 0.1 or 0.2, 0 for 1.
    int decimals = 0;

    // `wholeNumbers` keeps the step at 1 or more, for an axis of trial numbers.
    static AxisTicks over(double min, double max, int maxTicks, bool wholeNumbers = false);
};
