#include "resultssession.h"

#include "frictioncalc.h"
#include "uncertaintypropagation.h"

#include <algorithm>

ResultsSession::ResultsSession(DataFiles &files, Clock clock, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTime(); }))
{
    connect(&m_trials, &TrialTableModel::sampleEdited, this, &ResultsSession::sampleEdited);
}

ResultsSession::~ResultsSession() = default;

// The journal is read when the trials are first needed, not at the program's start-up.
void ResultsSession::load()
{
    if (m_journal)
        return;
    m_journal = std::make_unique<Journal>(m_files, m_clock().date());
    Journal::Loaded loaded = m_journal->load();
    for (const Trial &trial : std::as_const(loaded.trials))
        m_lastNumber = std::max(m_lastNumber, trial.number);
    m_trials.reset(loaded.trials);
    m_summary.recount(loaded.trials);

    QStringList notes;
    for (const TrialCsv::Fault &fault : std::as_const(loaded.skipped)) {
        notes << QStringLiteral("Line %1 of the journal was damaged (%2) and has been left out; "
                                "every other trial is kept.")
                     .arg(fault.line)
                     .arg(fault.what);
    }
    if (!loaded.skipped.isEmpty() && !loaded.error) {
        // Written anew without the damaged lines, so that the next trial starts a line of its own;
        // the journal as it was stays beside it, in case a line was only read wrongly.
        const QString kept = m_journal->path() + m_clock().toString(u"'.'hhmmss'.damaged'");
        loaded.error = m_files.replace(kept, loaded.bytes);
        if (!loaded.error) {
            notes << QStringLiteral("The journal as it was is kept as %1.").arg(kept);
            loaded.error = rewriteJournal();
        }
    }
    if (loaded.error) {
        notes << QStringLiteral("The journal %1 could not be read or written: %2")
                     .arg(loaded.error->path, loaded.error->cause);
    }
    m_note = notes.join(u'\n');
    if (!m_note.isEmpty())
        emit noteChanged();
}

TrialTableModel &ResultsSession::trials()
{
    load();
    return m_trials;
}

SummaryTableModel &ResultsSession::summary()
{
    load();
    return m_summary;
}

QString ResultsSession::journalPath()
{
    load();
    return m_journal->path();
}

QString ResultsSession::note()
{
    load();
    return m_note;
}

void ResultsSession::setUncertainties(const Uncertainties &uncertainties)
{
    m_trials.setUncertainties(uncertainties);
}

std::function<double(const Trial &)> ResultsSession::uncertaintyOf() const
{
    return [this](const Trial &trial) { return m_trials.muUncertainty(trial); };
}

std::optional<FileError> ResultsSession::rewriteJournal()
{
    return m_journal->rewrite(m_trials.trials(), uncertaintyOf());
}

std::optional<FileError> ResultsSession::addTrial(const FrictionTrial &measurement)
{
    load();
    Trial trial;
    trial.number = ++m_lastNumber;
    trial.time = m_clock();
    trial.sample = m_sample;
    trial.measurement = measurement;
    trial.mu = FrictionCalc::coefficient(measurement);

    const auto error = m_journal->append(trial, m_trials.muUncertainty(trial));
    m_trials.append({ trial });
    m_summary.add(trial);
    return error;
}

std::optional<FileError> ResultsSession::removeRows(QList<int> rows)
{
    load();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_trials.removeSortedRows(rows);
    m_summary.recount(m_trials.trials());
    return rewriteJournal();
}

std::optional<FileError> ResultsSession::clear()
{
    load();
    m_trials.reset({});
    m_summary.recount({});
    return rewriteJournal();
}

ResultsSession::Opened ResultsSession::openCsv(const QString &path)
{
    load();
    const DataFiles::ReadResult read = m_files.read(path);
    if (const auto *error = std::get_if<FileError>(&read))
        return *error;
    TrialCsv::Parsed parsed = TrialCsv::parse(std::get<QByteArray>(read));
    if (const auto *fault = std::get_if<TrialCsv::Fault>(&parsed))
        return *fault;

    QList<Trial> added = std::get<QList<Trial>>(std::move(parsed));
    for (Trial &trial : added)
        trial.number = ++m_lastNumber;
    const auto error = m_journal->append(added, uncertaintyOf());
    m_trials.append(added);
    m_summary.recount(m_trials.trials());
    if (error)
        return *error;
    return added.size();
}

std::optional<FileError> ResultsSession::exportCsv(const QString &path)
{
    load();
    return m_files.replace(path, TrialCsv::write(m_trials.trials(), uncertaintyOf()));
}

QString ResultsSession::copyText(QList<int> rows)
{
    load();
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < TrialTableModel::ColumnCount; ++column)
        cells << m_trials.headerData(column, Qt::Horizontal).toString();
    lines << cells.join(u'\t');
    for (int row : std::as_const(rows)) {
        cells.clear();
        for (int column = 0; column < TrialTableModel::ColumnCount; ++column) {
            QString text = m_trials.text(row, column, true);
            // A tab or line end inside a cell would start a new cell or row in the spreadsheet.
            text.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
            cells << text;
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

PlotData ResultsSession::plotData()
{
    load();
    PlotData plot;
    for (const SummaryTableModel::Group &group : m_summary.groups()) {
        PlotSeries series;
        series.name = (group.sample.isEmpty() ? QStringLiteral("(no sample)") : group.sample)
            + QStringLiteral(", ") + Trial::kindText(group.kind);
        series.mean = group.statistics.mean();
        plot.append(series);
    }
    const QList<SummaryTableModel::Group> &groups = m_summary.groups();
    for (const Trial &trial : m_trials.trials()) {
        const auto it = std::find_if(groups.cbegin(), groups.cend(), [&](const auto &group) {
            return group.sample == trial.sample && group.kind == trial.measurement.kind;
        });
        plot[it - groups.cbegin()].points.append(
            { double(trial.number), trial.mu, m_trials.muUncertainty(trial) });
    }
    return plot;
}

void ResultsSession::sampleEdited()
{
    m_summary.recount(m_trials.trials());
    if (const auto error = rewriteJournal())
        emit journalFailed(*error);
}
