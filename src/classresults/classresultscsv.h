#pragma once

#include "classtrial.h"

#include <QByteArray>
#include <QList>

// The Class Results as CSV: the station, then the columns of the Results window's export (trial,
// time, sample, kind, the inputs, µ and δµ), then the run and the trial's uncertainties, its Use
// (as excluded) and its note. UTF-8, RFC 4180 quoting, '.' as the decimal point in every
// language, numbers with every digit needed to read them back exactly, times in UTC with 'Z'.
namespace ClassResultsCsv {

QByteArray write(const QList<ClassResult> &results);

} // namespace ClassResultsCsv
