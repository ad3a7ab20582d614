#pragma once

#include "resultsstore.h"
#include "run.h"
#include "trial.h"

// Trials and runs as the program keeps them and as the database's rows hold them.
namespace StoredRecords {

Trial trial(const StoredTrial &row);
StoredTrial stored(const Trial &trial);
Run run(const StoredRun &row);
StoredRun stored(const Run &run);

// A random (version 4) uuid for a new trial or run, without braces.
QString newUuid();

} // namespace StoredRecords
