#include "resultssession.h"

#include "frictioncalc.h"
#include "journalimport.h"
#include "resultsmessages.h"
#include "resultssummary.h"
#include "storedrecords.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// The settings row that names the run to open at the next start.
const QString kLastRun = QStringLiteral("last_run_uuid");

QList<int> sortedUnique(QList<int> rows, int count)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([count](int row) { return row < 0 || row >= count; });
    return rows;
}

} // namespace

ResultsSession::ResultsSession(ResultsStore &store, DataFiles &files, Clock clock, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_files(files)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{
    connect(&m_store, &ResultsStore::changedElsewhere, this, &ResultsSession::refreshFromStore);
}

ResultsSession::~ResultsSession() = default;

const QList<Trial> &ResultsSession::trials()
{
    ensureOpen();
    return m_trials;
}

const Run &ResultsSession::run()
{
    ensureOpen();
    return m_run;
}

QString ResultsSession::note()
{
    ensureOpen();
    return m_note;
}

// The database is opened when the trials are first needed, not at the program's start-up.
void ResultsSession::ensureOpen()
{
    if (m_opened)
        return;
    m_opened = true;
    m_run = freshRun();
    openStore();
}

void ResultsSession::openStore()
{
    if (const auto error = m_store.open()) {
        m_saveError = *error;
        m_note = ResultsMessages::notOpened(*error);
        emit noteChanged();
        return;
    }
    m_storeOpen = true;

    QStringList notes;
    const JournalImport::Outcome imported = JournalImport::importOnce(m_store, m_files);
    if (const QString report = ResultsMessages::imported(imported); !report.isEmpty())
        notes << report;

    // The run used last, else the one the import made of today's journal, else a new one.
    const auto found = [this]() -> std::variant<qint64, StoreError> {
        const auto last = m_store.setting(kLastRun);
        if (const auto *error = std::get_if<StoreError>(&last))
            return *error;
        if (!std::get<QString>(last).isEmpty())
            return m_store.findRun(std::get<QString>(last));
        const auto listed = m_store.runs();
        if (const auto *error = std::get_if<StoreError>(&listed))
            return *error;
        const QString today = m_clock().toLocalTime().date().toString(Qt::ISODate);
        for (const RunListing &listing : std::get<QList<RunListing>>(listed)) {
            if (listing.run.name == today)
                return listing.run.id;
        }
        return qint64(0);
    }();
    if (const auto *error = std::get_if<StoreError>(&found))
        notes << ResultsMessages::notRead(*error);
    else if (const qint64 id = std::get<qint64>(found); id != 0) {
        if (const auto error = loadRun(id))
            notes << ResultsMessages::notRead(*error);
    }
    m_note = notes.join(u'\n');
    if (!m_note.isEmpty())
        emit noteChanged();
}

Run ResultsSession::freshRun()
{
    Run run;
    run.uuid = StoredRecords::newUuid();
    run.started = m_clock().toUTC();
    run.name = suggestedRunName();
    // A new run goes on with the ± values of the one before.
    run.uncertainties = m_run.uncertainties;
    return run;
}

QString ResultsSession::suggestedRunName()
{
    return m_clock().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

ResultsSession::Saved ResultsSession::loadRun(qint64 id)
{
    const auto state = m_store.runState(id);
    if (const auto *error = std::get_if<StoreError>(&state))
        return *error;
    const auto stored = m_store.trials(id);
    if (const auto *error = std::get_if<StoreError>(&stored))
        return *error;

    const ResultsStore::RunState &s = std::get<ResultsStore::RunState>(state);
    m_run = StoredRecords::run(s.run);
    m_runChanged = false;
    m_revision = s.revision;
    m_syncedTrialId = s.lastTrialId;
    m_trials.clear();
    const QList<StoredTrial> &rows = std::get<QList<StoredTrial>>(stored);
    m_trials.reserve(rows.size());
    for (const StoredTrial &row : rows)
        m_trials << StoredRecords::trial(row);
    emit runChanged();
    emit trialsReset();
    return std::nullopt;
}

void ResultsSession::setUncertainties(const Uncertainties &uncertainties)
{
    ensureOpen();
    const Uncertainties &u = m_run.uncertainties;
    if (u.angleDeg == uncertainties.angleDeg && u.lengthCm == uncertainties.lengthCm
        && u.deltaTMs == uncertainties.deltaTMs)
        return;
    m_run.uncertainties = uncertainties;
    m_runChanged = true;
    // A run not written yet is written with its first trial; while writes fail, the next trial or
    // Retry Saving writes the change, rather than every keystroke waiting for a locked database.
    if (m_run.id != 0 && !m_saveError)
        flush(int(m_trials.size()));
    else
        emit saveStateChanged();
}

Trial ResultsSession::newTrial(const FrictionTrial &measurement, const QDateTime &time) const
{
    Trial trial;
    trial.uuid = StoredRecords::newUuid();
    trial.time = time.toUTC();
    trial.sample = m_sample;
    trial.measurement = measurement;
    trial.mu = FrictionCalc::coefficient(measurement);
    trial.uncertainties = m_run.uncertainties;
    if (measurement.kind == FrictionTrial::Kind::Static)
        trial.uncertainties.lengthCm = trial.uncertainties.deltaTMs = NAN;
    trial.muUncertainty = UncertaintyPropagation::uncertainty(measurement, m_run.uncertainties);
    return trial;
}

ResultsSession::Saved ResultsSession::addTrial(const FrictionTrial &measurement)
{
    ensureOpen();
    const int row = int(m_trials.size());
    m_trials << newTrial(measurement, m_clock());
    // Committed first, then shown; shown either way, marked when it is not saved.
    const auto error = flush(row);
    emit trialsAppended(row, row);
    return error;
}

ResultsSession::Saved ResultsSession::retrySaving()
{
    ensureOpen();
    if (!m_storeOpen) {
        // The database could not be opened at the start: try it all again now.
        QList<Trial> kept = m_trials;
        const Run run = m_run;
        const bool wasChanged = m_runChanged;
        openStore();
        if (!m_storeOpen)
            return m_saveError;
        if (m_run.id == 0) {
            m_run = run;
            m_runChanged = wasChanged;
        }
        for (const Trial &trial : std::as_const(kept)) {
            if (trial.saved != Trial::Saved::Yes)
                m_trials << trial;
        }
        emit runChanged();
        emit trialsReset();
    }
    return flush(int(m_trials.size()));
}

int ResultsSession::unsavedCount() const
{
    return int(std::count_if(m_trials.cbegin(), m_trials.cend(),
                             [](const Trial &t) { return t.saved != Trial::Saved::Yes; }))
        + (m_runChanged && m_run.id != 0 ? 1 : 0);
}

void ResultsSession::discardUnsaved()
{
    m_trials.erase(std::remove_if(m_trials.begin(), m_trials.end(),
                                  [](const Trial &t) { return t.saved == Trial::Saved::New; }),
                   m_trials.end());
    m_saveError.reset();
    // Changes to saved trials go back to what the database holds.
    if (m_run.id != 0 && m_storeOpen)
        loadRun(m_run.id);
    else
        emit trialsReset();
    m_runChanged = false;
    emit saveStateChanged();
}

ResultsSession::Saved ResultsSession::flush(int shownRows, const QStringList &removeUuids,
                                            QList<std::pair<QString, QString>> settings)
{
    ResultsStore::RunWrite runWrite;
    runWrite.run = StoredRecords::stored(m_run);
    runWrite.updateRun = m_runChanged;
    runWrite.removeUuids = removeUuids;
    QList<int> inserted, updated;
    for (int row = 0; row < m_trials.size(); ++row) {
        const Trial &trial = m_trials.at(row);
        if (trial.saved == Trial::Saved::New) {
            runWrite.insert << StoredRecords::stored(trial);
            inserted << row;
        } else if (trial.saved == Trial::Saved::Changed) {
            runWrite.update << StoredRecords::stored(trial);
            updated << row;
        }
    }
    if (m_run.id == 0)
        settings << std::pair { kLastRun, m_run.uuid };

    const auto result = m_store.write({ { runWrite }, settings });
    if (const auto *error = std::get_if<StoreError>(&result)) {
        m_saveError = *error;
        emit saveStateChanged();
        return *error;
    }

    const ResultsStore::WrittenRun &written = std::get<ResultsStore::Written>(result).constFirst();
    if (m_run.id == 0) {
        m_run.id = written.runId;
        emit runChanged();
    }
    m_runChanged = false;
    // Our own changes moved the revision by one a row; any more came from another program, and
    // the next look at the database reads the run again.
    if (written.revision == m_revision + updated.size() + removeUuids.size())
        m_revision = written.revision;

    for (qsizetype i = 0; i < inserted.size(); ++i) {
        Trial &trial = m_trials[inserted.at(i)];
        trial.id = written.ids.at(i);
        m_ownIds.insert(trial.id);
        trial.number = written.seqs.at(i);
        trial.saved = Trial::Saved::Yes;
    }
    for (int row : std::as_const(updated))
        m_trials[row].saved = Trial::Saved::Yes;

    // Only a write that ends a failing spell, or takes unsaved rows or changes with it, changes
    // what the window says about saving: a plain new trial leaves it alone.
    const bool wasUnsaved = m_saveError || !updated.isEmpty() || runWrite.updateRun
        || (!inserted.isEmpty() && inserted.constFirst() < shownRows);
    m_saveError.reset();
    m_storeOpen = true;
    for (int row : std::as_const(updated))
        emit trialsChanged(row, row);
    // Rows kept unsaved before were already shown; they now show their numbers.
    if (!inserted.isEmpty() && inserted.constFirst() < shownRows)
        emit trialsChanged(inserted.constFirst(), shownRows - 1);
    if (wasUnsaved)
        emit saveStateChanged();
    return std::nullopt;
}

ResultsSession::Saved ResultsSession::changeRows(const QList<int> &rows,
                                                 const std::function<void(Trial &)> &change)
{
    ensureOpen();
    const QList<int> valid = sortedUnique(rows, int(m_trials.size()));
    if (valid.isEmpty())
        return std::nullopt;
    for (int row : valid) {
        Trial &trial = m_trials[row];
        change(trial);
        if (trial.saved == Trial::Saved::Yes)
            trial.saved = Trial::Saved::Changed;
    }
    // As for the ± values: while writes fail, the change waits for the next trial or a retry.
    const auto error = m_saveError ? m_saveError : flush(int(m_trials.size()));
    if (error)
        emit saveStateChanged();
    emit trialsChanged(valid.constFirst(), valid.constLast());
    return error;
}

ResultsSession::Saved ResultsSession::setUsed(const QList<int> &rows, bool used)
{
    return changeRows(rows, [used](Trial &trial) { trial.excluded = !used; });
}

ResultsSession::Saved ResultsSession::setTrialSample(int row, const QString &sample)
{
    return changeRows({ row }, [&sample](Trial &trial) { trial.sample = sample; });
}

ResultsSession::Saved ResultsSession::setNote(int row, const QString &note)
{
    return changeRows({ row }, [&note](Trial &trial) { trial.note = note; });
}

ResultsSession::Saved ResultsSession::applyUncertaintiesToAll()
{
    ensureOpen();
    QList<int> all(m_trials.size());
    std::iota(all.begin(), all.end(), 0);
    const Uncertainties u = m_run.uncertainties;
    return changeRows(all, [&u](Trial &trial) {
        trial.uncertainties = u;
        if (trial.measurement.kind == FrictionTrial::Kind::Static)
            trial.uncertainties.lengthCm = trial.uncertainties.deltaTMs = NAN;
        trial.muUncertainty = UncertaintyPropagation::uncertainty(trial.measurement, u);
    });
}

ResultsSession::Saved ResultsSession::removeRows(QList<int> rows)
{
    ensureOpen();
    rows = sortedUnique(rows, int(m_trials.size()));
    if (rows.isEmpty())
        return std::nullopt;
    // Unsaved trials exist only here; saved ones go only once the database let them go.
    QStringList uuids;
    QSet<QString> gone;
    for (int row : std::as_const(rows)) {
        const Trial &trial = m_trials.at(row);
        if (trial.saved != Trial::Saved::New)
            uuids << trial.uuid;
        gone.insert(trial.uuid);
    }
    m_trials.removeIf(
        [&](const Trial &t) { return t.saved == Trial::Saved::New && gone.contains(t.uuid); });
    const auto error = uuids.isEmpty() ? std::nullopt : flush(int(m_trials.size()), uuids);
    if (!error)
        m_trials.removeIf([&](const Trial &t) { return gone.contains(t.uuid); });
    emit trialsReset();
    return error;
}

ResultsSession::Saved ResultsSession::clear()
{
    ensureOpen();
    QList<int> all(m_trials.size());
    std::iota(all.begin(), all.end(), 0);
    return removeRows(all);
}

ResultsSession::Saved ResultsSession::writeUnsavedFirst()
{
    ensureOpen();
    if (unsavedCount() == 0)
        return std::nullopt;
    return flush(int(m_trials.size()));
}

ResultsSession::Saved ResultsSession::newRun(const QString &name, const QString &notes)
{
    if (const auto error = writeUnsavedFirst())
        return error;
    m_run = freshRun();
    if (!name.trimmed().isEmpty())
        m_run.name = name.trimmed();
    m_run.notes = notes;
    m_runChanged = false;
    m_trials.clear();
    m_revision = 0;
    m_syncedTrialId = 0;
    m_ownIds.clear();
    emit runChanged();
    emit trialsReset();
    // Written at once, so that the Runs list shows it; when that fails, with its first trial.
    const auto error = flush(0);
    return error;
}

ResultsSession::Saved ResultsSession::openRun(qint64 id)
{
    if (const auto error = writeUnsavedFirst())
        return error;
    if (id == m_run.id)
        return std::nullopt;
    if (const auto error = loadRun(id))
        return error;
    m_ownIds.clear();
    // Only which run to open at the next start: a failure here loses no trial.
    (void)m_store.write({ {}, { { kLastRun, m_run.uuid } } });
    return std::nullopt;
}

ResultsSession::Saved ResultsSession::renameRun(qint64 id, const QString &name)
{
    ensureOpen();
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (id == m_run.id) {
        m_run.name = trimmed;
        m_runChanged = true;
        emit runChanged();
        return m_run.id == 0 ? std::nullopt : flush(int(m_trials.size()));
    }
    const auto state = m_store.runState(id);
    if (const auto *error = std::get_if<StoreError>(&state))
        return *error;
    ResultsStore::RunWrite write;
    write.run = std::get<ResultsStore::RunState>(state).run;
    write.run.name = trimmed;
    write.updateRun = true;
    const auto result = m_store.write({ { write }, {} });
    if (const auto *error = std::get_if<StoreError>(&result))
        return *error;
    return std::nullopt;
}

std::variant<QList<RunListing>, StoreError> ResultsSession::runs()
{
    ensureOpen();
    if (!m_storeOpen) {
        if (const auto error = m_store.open())
            return *error;
    }
    return m_store.runs();
}

ResultsSession::Opened ResultsSession::openCsv(const QString &path)
{
    ensureOpen();
    const DataFiles::ReadResult bytes = m_files.read(path);
    if (const auto *error = std::get_if<FileError>(&bytes))
        return *error;
    TrialCsv::Parsed parsed = TrialCsv::read(std::get<QByteArray>(bytes));
    if (const auto *fault = std::get_if<TrialCsv::Fault>(&parsed))
        return *fault;
    TrialCsv::Read read = std::get<TrialCsv::Read>(std::move(parsed));

    Imported imported;
    imported.skipped = read.skipped;
    if (read.trials.isEmpty())
        return imported;
    if (const auto error = writeUnsavedFirst())
        return *error;

    Run run = freshRun();
    run.name = QFileInfo(path).completeBaseName();
    imported.run = run.name;
    imported.added = read.trials.size();
    // The file's numbers are kept unless two rows share one.
    QSet<int> numbers;
    for (const Trial &trial : std::as_const(read.trials))
        numbers.insert(trial.number);
    const bool keepNumbers = numbers.size() == read.trials.size();
    for (Trial &trial : read.trials) {
        trial.uuid = StoredRecords::newUuid();
        trial.saved = Trial::Saved::New;
        if (!keepNumbers)
            trial.number = 0;
        if (!read.withUncertainties) {
            trial.uncertainties = run.uncertainties;
            if (trial.measurement.kind == FrictionTrial::Kind::Static)
                trial.uncertainties.lengthCm = trial.uncertainties.deltaTMs = NAN;
        }
        if (std::isnan(trial.muUncertainty))
            trial.muUncertainty
                = UncertaintyPropagation::uncertainty(trial.measurement, trial.uncertainties);
    }
    m_run = run;
    m_runChanged = false;
    m_trials = std::move(read.trials);
    m_revision = 0;
    m_syncedTrialId = 0;
    m_ownIds.clear();
    imported.error = flush(0);
    emit runChanged();
    emit trialsReset();
    return imported;
}

std::optional<FileError> ResultsSession::exportCsv(const QString &path)
{
    ensureOpen();
    return m_files.replace(path, TrialCsv::write(m_trials, m_run.name));
}

std::variant<std::monostate, FileError, StoreError> ResultsSession::exportRun(qint64 id,
                                                                              const QString &path)
{
    ensureOpen();
    if (id == m_run.id) {
        if (const auto error = exportCsv(path))
            return *error;
        return std::monostate();
    }
    const auto state = m_store.runState(id);
    if (const auto *error = std::get_if<StoreError>(&state))
        return *error;
    const auto stored = m_store.trials(id);
    if (const auto *error = std::get_if<StoreError>(&stored))
        return *error;
    QList<Trial> trials;
    for (const StoredTrial &row : std::get<QList<StoredTrial>>(stored))
        trials << StoredRecords::trial(row);
    const QString name = std::get<ResultsStore::RunState>(state).run.name;
    if (const auto error = m_files.replace(path, TrialCsv::write(trials, name)))
        return *error;
    return std::monostate();
}

QString ResultsSession::suggestedExportName()
{
    QString name = run().name;
    // Characters that file systems or shells take amiss.
    for (QChar &c : name) {
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<'
            || c == u'>' || c == u'|')
            c = u'-';
    }
    return name + QStringLiteral(".csv");
}

PlotData ResultsSession::plotData(PlotAxis axis)
{
    ensureOpen();
    PlotData plot;
    plot.axis = axis;
    const QList<SummaryGroup> groups = ResultsSummary::groups(m_trials);
    for (const SummaryGroup &group : groups) {
        PlotSeries series;
        series.name
            = (group.sample.isEmpty() ? QCoreApplication::translate("ResultsSession", "(no sample)")
                                      : group.sample)
            + QStringLiteral(", ") + Trial::kindName(group.kind);
        series.kinetic = group.kind == FrictionTrial::Kind::Kinetic;
        series.mean = group.statistics.mean();
        plot.series.append(series);
    }
    // An unsaved trial has no number yet: it stands where its number will be.
    int provisional = 0;
    for (const Trial &trial : std::as_const(m_trials))
        provisional = std::max(provisional, trial.number);
    for (const Trial &trial : std::as_const(m_trials)) {
        if (!trial.used())
            continue;
        const int number = trial.number > 0 ? trial.number : ++provisional;
        const auto it = std::find_if(groups.cbegin(), groups.cend(), [&](const auto &group) {
            return group.sample == trial.sample && group.kind == trial.measurement.kind;
        });
        plot.series[it - groups.cbegin()].points.append(
            { double(number), trial.measurement.angleDeg, trial.mu, trial.muUncertainty });
    }
    for (PlotSeries &series : plot.series) {
        QList<FitPoint> points;
        points.reserve(series.points.size());
        for (const PlotPoint &p : std::as_const(series.points))
            points.append({ p.angleDeg, p.mu, p.uncertainty });
        series.fit = LinearFit::of(points);
    }
    return plot;
}

QString ResultsSession::setting(const QString &key)
{
    ensureOpen();
    if (!m_storeOpen)
        return {};
    const auto found = m_store.setting(key);
    const auto *value = std::get_if<QString>(&found);
    return value ? *value : QString();
}

void ResultsSession::saveSetting(const QString &key, const QString &value)
{
    ensureOpen();
    if (m_storeOpen)
        (void)m_store.write({ {}, { { key, value } } });
}

void ResultsSession::refreshFromStore()
{
    if (!m_storeOpen || m_run.id == 0)
        return;
    const auto found = m_store.runState(m_run.id);
    if (std::holds_alternative<StoreError>(found))
        return;
    const ResultsStore::RunState &state = std::get<ResultsStore::RunState>(found);
    const Run stored = StoredRecords::run(state.run);
    const Uncertainties &a = stored.uncertainties;
    const Uncertainties &b = m_run.uncertainties;
    if (!m_runChanged
        && (stored.name != m_run.name || stored.notes != m_run.notes || a.angleDeg != b.angleDeg
            || a.lengthCm != b.lengthCm || a.deltaTMs != b.deltaTMs)) {
        m_run = stored;
        emit runChanged();
    }

    if (state.revision != m_revision) {
        // Changed or removed elsewhere: read the run again, keeping what is not saved here.
        QList<Trial> unsaved;
        for (const Trial &trial : std::as_const(m_trials)) {
            if (trial.saved != Trial::Saved::Yes)
                unsaved << trial;
        }
        const bool wasChanged = m_runChanged;
        const Run run = m_run;
        if (loadRun(m_run.id))
            return;
        if (wasChanged) {
            m_run = run;
            m_runChanged = true;
        }
        for (const Trial &pending : std::as_const(unsaved)) {
            const auto it = std::find_if(m_trials.begin(), m_trials.end(),
                                         [&](const Trial &t) { return t.uuid == pending.uuid; });
            if (it != m_trials.end())
                *it = pending;
            else if (pending.saved == Trial::Saved::New)
                m_trials << pending;
        }
        m_ownIds.clear();
        emit trialsReset();
        return;
    }

    if (state.lastTrialId <= m_syncedTrialId)
        return;
    const auto fetched = m_store.trials(m_run.id, m_syncedTrialId);
    if (std::holds_alternative<StoreError>(fetched))
        return;
    QList<Trial> added;
    for (const StoredTrial &row : std::get<QList<StoredTrial>>(fetched)) {
        m_syncedTrialId = std::max(m_syncedTrialId, row.id);
        if (!m_ownIds.contains(row.id))
            added << StoredRecords::trial(row);
    }
    m_ownIds.clear();
    if (added.isEmpty())
        return;
    // Saved trials stay in the order of their numbers, the unsaved ones after them.
    const auto unsavedFrom = std::find_if(m_trials.cbegin(), m_trials.cend(), [](const Trial &t) {
        return t.saved == Trial::Saved::New;
    });
    const int at = int(unsavedFrom - m_trials.cbegin());
    const bool atEnd = unsavedFrom == m_trials.cend()
        && (m_trials.isEmpty() || m_trials.constLast().number < added.constFirst().number);
    m_trials.insert(at, added.size(), Trial());
    std::copy(added.cbegin(), added.cend(), m_trials.begin() + at);
    if (atEnd) {
        emit trialsAppended(at, int(at + added.size() - 1));
        return;
    }
    std::stable_sort(m_trials.begin(), m_trials.begin() + at + added.size(),
                     [](const Trial &a, const Trial &b) { return a.number < b.number; });
    emit trialsReset();
}
