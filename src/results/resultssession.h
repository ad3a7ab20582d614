#pragma once

#include "datafiles.h"
#include "plotdata.h"
#include "resultsstore.h"
#include "run.h"
#include "trial.h"
#include "trialcsv.h"

#include <QObject>
#include <QSet>

#include <functional>
#include <variant>

// The open run and its trials, as the program keeps them for the whole time it runs, whether the
// Results window is open or not. It owns the trials and their uncertainties; the table and
// summary models and the plot follow its change signals.
//
// Every change is written to the results database in one transaction before it counts as saved.
// A change that cannot be written (a full disk, a read-only folder, a database locked too long,
// no SQLite driver) is kept in memory, marked "not saved", and written with the next write that
// succeeds or by retrySaving(). Another program's trials in the same run appear as they are
// committed.
//
// Overview of the results code: Trial and Run are the records, TrialCsv the exchange format,
// JournalImport brings in the first release's day journals; UncertaintyPropagation,
// RunningStatistics and ResultsSummary hold the arithmetic; the two table models feed the views;
// PlotSvg draws the plot without widgets; ResultsMessages is the one place that puts the
// database's faults in words. The database itself is the results store room below.
class ResultsSession : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;
    using Saved = std::optional<StoreError>;

    // What opening a CSV file did: the run made for it and the records left out.
    struct Imported
    {
        QString run;
        qsizetype added = 0;
        QList<TrialCsv::Fault> skipped;
        // The new run could not be saved; its trials are kept in memory as the open run's.
        std::optional<StoreError> error;
    };
    using Opened = std::variant<Imported, TrialCsv::Fault, FileError, StoreError>;

    ResultsSession(ResultsStore &store, DataFiles &files, Clock clock = {},
                   QObject *parent = nullptr);
    ~ResultsSession() override;

    // The database is opened, and the run used last read, on the first call of any of these.
    const QList<Trial> &trials();
    const Run &run();
    // What the window should tell about the database and the import of the old journals; empty
    // when there is nothing to tell.
    QString note();

    QString sample() const { return m_sample; }
    void setSample(const QString &sample) { m_sample = sample; }
    // The open run's ± values, which new trials take.
    void setUncertainties(const Uncertainties &uncertainties);

    // Keeps the calculator's measurement as a trial, after the run's unsaved changes. The trial
    // is shown either way; the error says why it is not saved.
    Saved addTrial(const FrictionTrial &measurement);
    Saved retrySaving();
    // Trials and changes not in the database yet.
    int unsavedCount() const;
    // Why the last write failed, while something is still unsaved.
    std::optional<StoreError> saveError() const { return m_saveError; }
    // Forgets the unsaved trials and changes (after the operator chose to).
    void discardUnsaved();

    Saved setUsed(const QList<int> &rows, bool used);
    Saved setTrialSample(int row, const QString &sample);
    Saved setNote(int row, const QString &note);
    Saved removeRows(QList<int> rows);
    Saved clear();
    // Recomputes every trial's δµ of the open run with the run's ± values.
    Saved applyUncertaintiesToAll();

    // A new run becomes the open one. Refused while trials are unsaved, since they belong to the
    // open run; the window asks the operator first.
    Saved newRun(const QString &name, const QString &notes);
    Saved openRun(qint64 id);
    Saved renameRun(qint64 id, const QString &name);
    std::variant<QList<RunListing>, StoreError> runs();
    // A name for a new run: the date and time.
    QString suggestedRunName();

    // Reads a CSV file into a new run, which becomes the open one.
    Opened openCsv(const QString &path);
    std::optional<FileError> exportCsv(const QString &path);
    std::variant<std::monostate, FileError, StoreError> exportRun(qint64 id, const QString &path);
    // A file name for exporting the open run.
    QString suggestedExportName();

    PlotData plotData();

signals:
    void trialsReset();
    void trialsAppended(int first, int last);
    void trialsChanged(int first, int last);
    void runChanged();
    void noteChanged();
    // The number of unsaved trials or changes, or the reason, changed.
    void saveStateChanged();

private:
    void ensureOpen();
    void openStore();
    Run freshRun();
    Saved loadRun(qint64 id);
    // Writes the unsaved run, trials and changes, and removes `removeUuids`, in one transaction.
    // `shownRows` is how many of the trials the views know of.
    Saved flush(int shownRows, const QStringList &removeUuids = {},
                QList<std::pair<QString, QString>> settings = {});
    void refreshFromStore();
    Trial newTrial(const FrictionTrial &measurement, const QDateTime &time) const;
    // Marks the rows changed, writes them, and tells the views.
    Saved changeRows(const QList<int> &rows, const std::function<void(Trial &)> &change);
    Saved writeUnsavedFirst();

    ResultsStore &m_store;
    DataFiles &m_files;
    Clock m_clock;
    bool m_opened = false;
    bool m_storeOpen = false;
    Run m_run;
    bool m_runChanged = false;
    QList<Trial> m_trials;
    // Where this program stands in the run as the database holds it (see ResultsStore::RunState).
    qint64 m_revision = 0;
    qint64 m_syncedTrialId = 0;
    // Trials this program wrote since it last read the run's new trials.
    QSet<qint64> m_ownIds;
    std::optional<StoreError> m_saveError;
    QString m_sample;
    QString m_note;
};
