#pragma once

#include <QString>

// The rows of the benchmark table, printed on standard output as Markdown table rows
//     | figure | measured | baseline | ratio |
// scripts/bench prints the header once; every benchmark program prints its own rows, so their
// output joins into one table. Progress and reasons go to standard error.
namespace FigureTable {

// The ratio is measured / baseline, left out when the baseline shows as zero.
void printRow(const QString &figure, double measured, double baseline, int decimals);

// A figure that could not be measured, and why.
void printFailure(const QString &figure, const QString &reason);

} // namespace FigureTable
