#pragma once

#include "journalimport.h"
#include "resultsstore.h"
#include "trialcsv.h"

#include <QString>

#include <optional>

// The one place that turns the results database's faults, the import of the old journals and a
// CSV file's faults into the operator's sentences, for the Results window, its dialogs and the
// wiring alike.
namespace ResultsMessages {

// What failed, in words, without a full stop: "the disk that holds ... is full (...)".
QString cause(const StoreError &error);

// A trial that could not be saved, for a message box.
QString trialNotSaved(const StoreError &error);
// A change (a run, a note, a deletion) that could not be saved, for a message box.
QString changeNotSaved(const StoreError &error);
// The tooltip of a "not saved" mark.
QString notSavedTip(const std::optional<StoreError> &error);
// The line above the table while something is unsaved.
QString unsavedStatus(int count, const std::optional<StoreError> &error);
// The database could not be opened at the first look.
QString notOpened(const StoreError &error);
QString notRead(const StoreError &error);
// What the import of the old journals did; empty when there was nothing to import.
QString imported(const JournalImport::Outcome &outcome);
// The records of an opened CSV file left out, one per line.
QString skippedLines(const QList<TrialCsv::Fault> &skipped);

} // namespace ResultsMessages
