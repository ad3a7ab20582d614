#pragma once

#include <QString>

// The rows of the benchmark table, printed on standard output as Markdown table rows
//     | figure | Tiltbench | baseline | ratio | what the baseline is |
// scripts/bench prints the header once; every benchmark program prints its own rows, so their
// output joins into one table. Progress and reasons go to standard error.
namespace FigureTable {

struct Figure
{
    QString name; // with its unit, e.g. "Start-up to first paint, ms (median of 7)"
    QString baseline; // what Tiltbench is measured against
    int decimals = 1;
};

// The ratio is measured / baseline, left out when the baseline shows as zero.
void printRow(const Figure &figure, double measured, double baseline);

// A figure that could not be measured, and why.
void printFailure(const Figure &figure, const QString &reason);

} // namespace FigureTable
