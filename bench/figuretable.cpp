#include "figuretable.h"

#include <cstdio>

namespace {

void printLine(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

namespace FigureTable {

void printRow(const QString &figure, double measured, double baseline, int decimals)
{
    // A baseline that shows as zero makes any ratio meaningless.
    const QString shownBaseline = QString::number(baseline, 'f', decimals);
    const QString ratio = shownBaseline.toDouble() > 0
        ? QStringLiteral("%1x").arg(measured / baseline, 0, 'f', 2)
        : QStringLiteral("-");
    printLine(QStringLiteral("| %1 | %2 | %3 | %4 |")
                  .arg(figure, QString::number(measured, 'f', decimals), shownBaseline, ratio));
}

void printFailure(const QString &figure, const QString &reason)
{
    printLine(QStringLiteral("| %1 | could not run | | |").arg(figure));
    std::fprintf(stderr, "%s: %s\n", qPrintable(figure), qPrintable(reason));
}

} // namespace FigureTable
