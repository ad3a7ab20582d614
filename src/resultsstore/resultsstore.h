#pragma once

// The results store room: the database that keeps every run and trial (an SQLite file through
// Qt SQL). QtCore and Qt SQL only. It knows no window and writes no operator's sentence: it
// reports what failed as a StoreError, and the results code above says it in words. Its rows are
// the database's own (docs/results-database.md), so that what a script reads is what the program
// keeps.

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <limits>
#include <optional>
#include <variant>

// What went wrong with the database: which kind of fault, the file, and the system's own words.
struct StoreError
{
    enum class Kind {
        // Qt's SQLite driver (the QSQLITE plugin) is not installed.
        DriverMissing,
        // The file or its folder could not be opened or created.
        CannotOpen,
        // The disk or the file system is full.
        DiskFull,
        // The file or its folder may not be written.
        ReadOnly,
        // Another program held the database locked for longer than the store waits.
        Busy,
        // The file is not a database, or a damaged one.
        Damaged,
        // A newer Tiltbench made the file; this one does not know its layout.
        TooNew,
        // The program's own database module could not be loaded.
        ModuleMissing,
        Other
    };

    Kind kind = Kind::Other;
    QString path;
    QString detail;
};

// One row of `runs`: a group's session with the ± values new trials take.
struct StoredRun
{
    qint64 id = 0;
    QString uuid;
    QString name;
    QDateTime startedUtc;
    QString notes;
    double angleUncDeg = 0.5;
    double lengthUncCm = 0.1;
    double deltaTUncMs = 1.0;
};

// One row of `trials`. NaN stands for NULL (a static trial has no length, time, g, nor their
// uncertainties).
struct StoredTrial
{
    static constexpr double kNull = std::numeric_limits<double>::quiet_NaN();

    qint64 id = 0;
    QString uuid;
    // Taken inside the insert's transaction when 0.
    int seq = 0;
    QDateTime timeUtc;
    QString sample;
    bool kinetic = false;
    double angleDeg = 0.0;
    double lengthCm = kNull;
    double deltaTMs = kNull;
    double gravity = kNull;
    double mu = 0.0;
    double angleUncDeg = 0.0;
    double lengthUncCm = kNull;
    double deltaTUncMs = kNull;
    double muUncertainty = 0.0;
    bool excluded = false;
    QString note;
};

// A run as the Runs list shows it.
struct RunListing
{
    StoredRun run;
    int trialCount = 0;
    QDateTime lastTrialUtc;
};

// The database of runs and trials. Every change is one write transaction that either commits
// whole or leaves nothing behind. Runs and trials are known to other programs by their uuid.
class ResultsStore : public QObject
{
    Q_OBJECT

public:
    // The changes to one run made in one transaction. A run whose id is 0 is inserted first.
    struct RunWrite
    {
        StoredRun run;
        bool updateRun = false;
        QList<StoredTrial> insert;
        // Found by uuid; every column but run_id, seq and time is written.
        QList<StoredTrial> update;
        QStringList removeUuids;
    };

    struct Write
    {
        QList<RunWrite> runs;
        // Rows of the `settings` table to write in the same transaction.
        QList<std::pair<QString, QString>> settings;
    };

    // Per RunWrite: the run's id, the ids and numbers of the inserted trials, and the run's
    // revision after the write.
    struct WrittenRun
    {
        qint64 runId = 0;
        QList<qint64> ids;
        QList<int> seqs;
        qint64 revision = 0;
    };
    using Written = QList<WrittenRun>;

    // Where a reader following a run stands: the run's revision (moved by every change or removal
    // of one of its trials) and its newest trial's id.
    struct RunState
    {
        StoredRun run;
        qint64 revision = 0;
        qint64 lastTrialId = 0;
    };

    using QObject::QObject;

    // The file, for messages.
    virtual QString location() const = 0;

    // Opens the database, creating it or bringing its layout up to date in one transaction.
    // Does nothing once open; after a failure the next call tries again.
    virtual std::optional<StoreError> open() = 0;

    virtual std::variant<Written, StoreError> write(const Write &write) = 0;

    // The trials of a run in the order of their numbers, only those newer than `afterId`.
    virtual std::variant<QList<StoredTrial>, StoreError> trials(qint64 runId, qint64 afterId = 0)
        = 0;
    virtual std::variant<RunState, StoreError> runState(qint64 runId) = 0;
    virtual std::variant<QList<RunListing>, StoreError> runs() = 0;
    // The id of the run with this uuid; 0 when there is none.
    virtual std::variant<qint64, StoreError> findRun(const QString &uuid) = 0;
    // A row of the `settings` table; empty when there is none.
    virtual std::variant<QString, StoreError> setting(const QString &key) = 0;

    // One entry of the class server's outbox: a new trial (with its run) or a change of its Use
    // and Note (carried in `trial`). `trialFound` is false for a trial deleted before it was sent.
    struct OutboxEntry
    {
        qint64 id = 0;
        bool change = false;
        bool trialFound = false;
        StoredRun run;
        StoredTrial trial;
    };
    // Up to `limit` entries, oldest first. Every new trial and every change of a trial's Use or
    // Note is queued in the transaction that commits it.
    virtual std::variant<QList<OutboxEntry>, StoreError> outbox(int limit) = 0;
    virtual std::variant<qint64, StoreError> outboxCount() = 0;
    virtual std::optional<StoreError> removeFromOutbox(const QList<qint64> &ids) = 0;

signals:
    // Another program committed a change to the database.
    void changedElsewhere();
    // This program committed a write (the program's own store says so; the module's does not).
    void written();
};
