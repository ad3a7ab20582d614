#include "journalimport.h"

#include "storedrecords.h"

#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {

const QString kImported = QStringLiteral("journals_imported");

} // namespace

JournalImport::Outcome JournalImport::importOnce(ResultsStore &store, DataFiles &files)
{
    Outcome outcome;
    const auto done = store.setting(kImported);
    if (const auto *error = std::get_if<StoreError>(&done)) {
        outcome.error = *error;
        return outcome;
    }
    if (!std::get<QString>(done).isEmpty())
        return outcome;

    const QStringList journals
        = files.list(files.dataFolder() + QStringLiteral("/results"), QStringLiteral(".csv"));
    ResultsStore::Write write;
    for (const QString &path : journals) {
        const QString name = QFileInfo(path).fileName();
        const DataFiles::ReadResult bytes = files.read(path);
        if (const auto *error = std::get_if<FileError>(&bytes)) {
            outcome.refused << std::pair { name, error->cause };
            continue;
        }
        const TrialCsv::Parsed parsed
            = TrialCsv::read(std::get<QByteArray>(bytes), TrialCsv::Source::Journal);
        if (const auto *fault = std::get_if<TrialCsv::Fault>(&parsed)) {
            outcome.refused << std::pair { name, TrialCsv::describe(*fault) };
            continue;
        }
        const TrialCsv::Read &read = std::get<TrialCsv::Read>(parsed);
        for (const TrialCsv::Fault &fault : read.skipped)
            outcome.skipped << std::pair { name, fault };
        if (read.trials.isEmpty())
            continue;

        ResultsStore::RunWrite run;
        run.run.uuid = StoredRecords::newUuid();
        run.run.name = QFileInfo(path).completeBaseName();
        run.run.startedUtc
            = std::min_element(read.trials.cbegin(), read.trials.cend(),
                               [](const Trial &a, const Trial &b) { return a.time < b.time; })
                  ->time;
        const Uncertainties defaults;
        run.run.angleUncDeg = defaults.angleDeg;
        run.run.lengthUncCm = defaults.lengthCm;
        run.run.deltaTUncMs = defaults.deltaTMs;
        // Two programs once numbered the same day's trials from 1 each: then they are numbered
        // again in the order of the file.
        QSet<int> numbers;
        for (const Trial &trial : read.trials)
            numbers.insert(trial.number);
        const bool keepNumbers = numbers.size() == read.trials.size();
        for (Trial trial : read.trials) {
            trial.uuid = StoredRecords::newUuid();
            if (!keepNumbers)
                trial.number = 0;
            trial.uncertainties = defaults;
            if (std::isnan(trial.muUncertainty))
                trial.muUncertainty
                    = UncertaintyPropagation::uncertainty(trial.measurement, defaults);
            run.insert << StoredRecords::stored(trial);
        }
        outcome.trials += int(read.trials.size());
        ++outcome.files;
        write.runs << run;
    }
    write.settings << std::pair {
        kImported, QStringLiteral("%1 files, %2 trials").arg(outcome.files).arg(outcome.trials)
    };
    const auto written = store.write(write);
    if (const auto *error = std::get_if<StoreError>(&written)) {
        outcome.error = *error;
        outcome.files = outcome.trials = 0;
    }
    outcome.ran = true;
    return outcome;
}
