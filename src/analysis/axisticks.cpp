#include "axisticks.h"

#include <algorithm>
#include <cmath>

AxisTicks AxisTicks::over(double min, double max, int maxTicks, bool wholeNumbers)
{
    AxisTicks ticks;
    if (!std::isfinite(min) || !std::isfinite(max) || max <= min || maxTicks < 1)
        return ticks;
    const double span = max - min;
    // Start one decade below the step that would give maxTicks and walk up the 1-2-5 ladder.
    double decade = std::pow(10.0, std::floor(std::log10(span / maxTicks)) - 1);
    double step = decade;
    for (int i = 0;; ++i) {
        step = decade * (i % 3 == 0 ? 1 : i % 3 == 1 ? 2 : 5);
        if ((!wholeNumbers || step >= 1.0) && std::floor(span / step + 1e-9) + 1 <= maxTicks)
            break;
        if (i % 3 == 2)
            decade *= 10;
    }
    ticks.step = step;
    ticks.decimals = std::max(0, int(-std::floor(std::log10(step) + 1e-9)));
    // Multiples of the step, computed from whole counts so that no sum of steps drifts.
    const double first = std::ceil(min / step - 1e-9);
    const double last = std::floor(max / step + 1e-9);
    for (double n = first; n <= last; ++n)
        ticks.values << n * step;
    return ticks;
}
