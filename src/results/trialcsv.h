#pragma once

#include "trial.h"

#include <QByteArray>
#include <QList>

#include <functional>
#include <variant>

// The trials as CSV: UTF-8, RFC 4180 quoting, a fixed header row, "." as the decimal point in
// every locale and numbers written with as many digits as reading them back needs. The day's
// journal and the exported files share the format.
namespace TrialCsv {

// Where a file first departs from the format: 1-based line and column (in characters), and what
// is wrong there.
struct Fault
{
    int line = 0;
    int column = 0;
    QString what;
};

// The trials of a file that was read without fault.
using Parsed = std::variant<QList<Trial>, Fault>;

// A journal read as far as it goes: the good trials, and the faults of the records skipped.
struct Salvaged
{
    QList<Trial> trials;
    QList<Fault> skipped;
};

QByteArray header();
// One record with its line end. The uncertainty column holds the given δµ.
QByteArray row(const Trial &trial, double muUncertainty);
// The header and every trial; `uncertaintyOf` gives each trial's δµ.
QByteArray write(const QList<Trial> &trials,
                 const std::function<double(const Trial &)> &uncertaintyOf);

// Reads a whole file, or the first fault in it.
Parsed parse(const QByteArray &bytes);
// Reads every record that is whole and well formed, skipping the others: a journal whose writer
// was stopped mid-line keeps every trial written before.
Salvaged salvage(const QByteArray &bytes);

} // namespace TrialCsv
