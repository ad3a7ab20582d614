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

void printRow(const Figure &figure, double measured, double baseline)
{
    // A baseline that shows as zero makes any ratio meaningless.
    const QString shownBaseline = QString::number(baseline, 'f', figure.decimals);
    const QString ratio = shownBaseline.toDouble() > 0
        ? QStringLiteral("%1x").arg(measured / baseline, 0, 'f', 2)
        : QStringLiteral("-");
    printLine(QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                  .arg(figure.name, QString::number(measured, 'f', figure.decimals), shownBaseline,
                       ratio, figure.baseline));
}

void printFailure(const Figure &figure, const QString &reason)
{
    printLine(QStringLiteral("| %1 | could not run | | | %2 |").arg(figure.name, figure.baseline));
    std::fprintf(stderr, "%s: %s\n", qPrintable(figure.name), qPrintable(reason));
}

} // namespace FigureTable
