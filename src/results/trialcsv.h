#pragma once

#include "trial.h"

#include <QByteArray>
#include <QList>

#include <variant>

// The trials as CSV, the exchange format: UTF-8, RFC 4180 quoting, a fixed header row, "." as
// the decimal point and times in UTC. Written with the ten columns of the first release, then the
// run and what a trial keeps beside them; read in both shapes, and also separated by ';' with
// comma decimals, as spreadsheets write it where the comma is the decimal sign.
namespace TrialCsv {

// Where a file departs from the format: 1-based line and column (in characters), and what is
// wrong there.
struct Fault
{
    int line = 0;
    int column = 0;
    QString what;
    // The last line left out with it, when the lines after it did not start a record either.
    int lastLine = 0;
};

// The trials of a file, with the file's numbers. Each keeps its δµ as written; a trial whose δµ
// cell was empty has NaN there. Rows of the ten-column shape carry no ± values: `withUncertainties`
// is false and the caller gives them theirs.
struct Read
{
    QList<Trial> trials;
    // The records left out, each with its place and cause; reading goes on at the next line that
    // starts a record, so no good line after a damaged one is lost.
    QList<Fault> skipped;
    bool withUncertainties = false;
};

// A file whose header is not one of the two shapes is not read at all.
using Parsed = std::variant<Read, Fault>;

enum class Source {
    // A file chosen by the operator: a last line without its line end is whole.
    File,
    // The first release's day journal: a last line without its line end may have lost digits
    // when the writer stopped, so it is left out.
    Journal
};

QByteArray header();
// The header and every trial, with `run` in the run column.
QByteArray write(const QList<Trial> &trials, const QString &run);

Parsed read(const QByteArray &bytes, Source source = Source::File);

// The first line and column of a fault in words, for a message.
QString describe(const Fault &fault);

} // namespace TrialCsv
