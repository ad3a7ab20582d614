#pragma once

#include <QDateTime>
#include <QIcon>
#include <QLocale>
#include <QString>

// How the Results tables, the report and any other window that shows trials write their numbers and
// mark what fails a check: one format per column, the same in every row and every window. No digit
// grouping anywhere; the locale's decimal mark; a fixed number of decimals per quantity, so that
// the decimal points line up.
namespace ResultsDisplay {

// µ and everything in µ's units: δµ, the means, the standard deviation and error, the weighted
// mean and its uncertainty. The spread of a handful of trials is often below a thousandth, so one
// more decimal than the calculator's caption.
constexpr int kMuDecimals = 4;
constexpr int kAngleDecimals = 3;
constexpr int kLengthDecimals = 2;
constexpr int kDeltaTDecimals = 2;
constexpr int kGravityDecimals = 5;
constexpr int kReducedChiSquareDecimals = 2;

// The default locale, without digit grouping.
QLocale locale();
// The value with the decimals given, or empty for NaN (a quantity a static trial does not have).
QString number(double value, int decimals);
QString mu(double value);
// Every digit needed to read the value back exactly, for tooltips and copying.
QString exact(double value);

// A date as the locale writes it, with the full year; under C and English the ISO form
// (2024-03-05) that these windows always showed.
QString date(const QDate &date);
// The local date and time: the date as above, then the time in the 24-hour `timeFormat`.
QString dateTime(const QDateTime &time, const QString &timeFormat = QStringLiteral("HH:mm"));

// The mark beside a value that fails a physics check: a warning triangle drawn here, so that the
// table, the summary and any other window show the same one.
QIcon warningIcon();

} // namespace ResultsDisplay
