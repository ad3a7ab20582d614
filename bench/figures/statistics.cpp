#include "statistics.h"

#include <algorithm>

namespace Statistics {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double percentile(QList<double> values, int percent)
{
    std::sort(values.begin(), values.end());
    // The rank is ceil(percent * n / 100), counted from 1.
    const qsizetype rank = (percent * values.size() + 99) / 100;
    return values[std::max<qsizetype>(rank, 1) - 1];
}

} // namespace Statistics
