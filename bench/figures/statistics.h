#pragma once

#include <QList>

// Summaries of repeated measurements. Both need at least one value.
namespace Statistics {

// The middle value; the mean of the two middle ones for an even count.
double median(QList<double> values);

// The nearest-rank percentile: the smallest value with at least `percent` % of the values at or
// below it (the 90th of 50 values is the 45th smallest).
double percentile(QList<double> values, int percent);

} // namespace Statistics
