#pragma once

#include "datafiles.h"
#include "resultsstore.h"
#include "trialcsv.h"

// Brings the first release's day journals (results/<YYYY-MM-DD>.csv under the data folder) into
// the database, once: one run per file, named after its date, each trial with its δµ as the
// journal kept it, all in one transaction that also records that the import was done. The files
// stay where they are, and the ".damaged" copies the first release made are left alone.
namespace JournalImport {

struct Outcome
{
    // Whether there was an import to do at this opening.
    bool ran = false;
    int files = 0;
    int trials = 0;
    // Records left out, with the journal's file name.
    QList<std::pair<QString, TrialCsv::Fault>> skipped;
    // Journals not imported at all, with why.
    QList<std::pair<QString, QString>> refused;
    // The transaction failed: nothing was imported, and the next start tries again.
    std::optional<StoreError> error;
};

// The journals' ± values were not recorded; their trials take these, and keep their δµ.
Outcome importOnce(ResultsStore &store, DataFiles &files);

} // namespace JournalImport
