#include "sqliteresultsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <cmath>

namespace {

// SQLite's primary result codes, as the driver reports them in nativeErrorCode().
enum SqliteCode {
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoError = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADatabase = 26
};

// Each step brings the layout from the version before it to its own, one statement at a time; a
// later version appends a step (new tables, new columns), and open() runs every step due in the
// same single transaction.
//
// 1: runs, trials and settings. The triggers move a run's revision whenever one of its trials is
// changed or removed, so that another program following the run knows to read it again (a new
// trial shows by its id).
const QList<QStringList> kMigrations {
    {
        QStringLiteral("CREATE TABLE runs ("
                       "id INTEGER PRIMARY KEY, "
                       "uuid TEXT UNIQUE NOT NULL, "
                       "name TEXT NOT NULL, "
                       "started_utc TEXT NOT NULL, "
                       "notes TEXT NOT NULL DEFAULT '', "
                       "angle_unc_deg REAL NOT NULL, "
                       "length_unc_cm REAL NOT NULL, "
                       "delta_t_unc_ms REAL NOT NULL, "
                       "revision INTEGER NOT NULL DEFAULT 0)"),
        QStringLiteral("CREATE TABLE trials ("
                       "id INTEGER PRIMARY KEY, "
                       "uuid TEXT UNIQUE NOT NULL, "
                       "run_id INTEGER NOT NULL REFERENCES runs(id), "
                       "seq INTEGER NOT NULL, "
                       "time_utc TEXT NOT NULL, "
                       "sample TEXT NOT NULL, "
                       "kind TEXT NOT NULL CHECK (kind IN ('static', 'kinetic')), "
                       "angle_deg REAL NOT NULL, "
                       "length_cm REAL, "
                       "delta_t_ms REAL, "
                       "g_m_s2 REAL, "
                       "mu REAL NOT NULL, "
                       "angle_unc_deg REAL NOT NULL, "
                       "length_unc_cm REAL, "
                       "delta_t_unc_ms REAL, "
                       "mu_uncertainty REAL NOT NULL, "
                       "excluded INTEGER NOT NULL DEFAULT 0, "
                       "note TEXT NOT NULL DEFAULT '', "
                       "UNIQUE (run_id, seq))"),
        QStringLiteral("CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TRIGGER trials_changed AFTER UPDATE ON trials BEGIN "
                       "UPDATE runs SET revision = revision + 1 "
                       "WHERE id IN (OLD.run_id, NEW.run_id); END"),
        QStringLiteral("CREATE TRIGGER trials_removed AFTER DELETE ON trials BEGIN "
                       "UPDATE runs SET revision = revision + 1 WHERE id = OLD.run_id; END"),
    },
    // 2: the class server's outbox. Triggers queue every new trial, and every change of a trial's
    // Use or Note, in the very transaction that commits it, whichever program or path wrote it;
    // the trials kept before are queued once, here. A class server's sender reads the queue
    // oldest first and removes what the server has taken.
    {
        QStringLiteral("CREATE TABLE outbox ("
                       "id INTEGER PRIMARY KEY, "
                       "trial_uuid TEXT NOT NULL, "
                       "kind TEXT NOT NULL CHECK (kind IN ('trial', 'change')), "
                       "excluded INTEGER, "
                       "note TEXT)"),
        QStringLiteral("INSERT INTO outbox (trial_uuid, kind) "
                       "SELECT uuid, 'trial' FROM trials ORDER BY run_id, seq"),
        QStringLiteral("CREATE TRIGGER outbox_trial AFTER INSERT ON trials BEGIN "
                       "INSERT INTO outbox (trial_uuid, kind) VALUES (NEW.uuid, 'trial'); END"),
        QStringLiteral("CREATE TRIGGER outbox_change AFTER UPDATE OF excluded, note ON trials "
                       "WHEN OLD.excluded IS NOT NEW.excluded OR OLD.note IS NOT NEW.note BEGIN "
                       "INSERT INTO outbox (trial_uuid, kind, excluded, note) "
                       "VALUES (NEW.uuid, 'change', NEW.excluded, NEW.note); END"),
    },
};

QString timeText(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

// The rows' own shape, yyyy-MM-ddTHH:mm:ss.zzzZ, read directly: a run of 100,000 trials reads
// its times several times faster than through the general ISO 8601 reader, which takes the rest.
QDateTime timeOf(const QVariant &value)
{
    const QString text = value.toString();
    static const QString shape = QStringLiteral("0000-00-00T00:00:00.000Z");
    bool fits = text.size() == shape.size();
    for (qsizetype i = 0; fits && i < shape.size(); ++i)
        fits = shape.at(i) == u'0' ? text.at(i).isDigit() : text.at(i) == shape.at(i);
    if (!fits)
        return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
    const auto digits = [&text](int from, int count) {
        int n = 0;
        for (int i = from; i < from + count; ++i)
            n = n * 10 + text.at(i).digitValue();
        return n;
    };
    return QDateTime(QDate(digits(0, 4), digits(5, 2), digits(8, 2)),
                     QTime(digits(11, 2), digits(14, 2), digits(17, 2), digits(20, 3)), Qt::UTC);
}

// Qt binds a null QString as NULL; the text columns hold '' instead.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant nullable(double value)
{
    return std::isnan(value) ? QVariant(QMetaType(QMetaType::Double)) : QVariant(value);
}

double realOf(const QVariant &value)
{
    return value.isNull() ? StoredTrial::kNull : value.toDouble();
}

StoredRun runOf(const QSqlQuery &query, int first)
{
    StoredRun run;
    run.id = query.value(first).toLongLong();
    run.uuid = query.value(first + 1).toString();
    run.name = query.value(first + 2).toString();
    run.startedUtc = timeOf(query.value(first + 3));
    run.notes = query.value(first + 4).toString();
    run.angleUncDeg = query.value(first + 5).toDouble();
    run.lengthUncCm = query.value(first + 6).toDouble();
    run.deltaTUncMs = query.value(first + 7).toDouble();
    return run;
}

const char kRunColumns[]
    = "r.id, r.uuid, r.name, r.started_utc, r.notes, r.angle_unc_deg, r.length_unc_cm, "
      "r.delta_t_unc_ms";

} // namespace

SqliteResultsStore::SqliteResultsStore(const QString &path, QObject *parent)
    : SqliteResultsStore(path, Options(), parent)
{
}

SqliteResultsStore::SqliteResultsStore(const QString &path, const Options &options, QObject *parent)
    : ResultsStore(parent)
    , m_path(path)
    , m_options(options)
    , m_connection(QStringLiteral("tiltbench-results-%1").arg(quintptr(this), 0, 16))
{
    m_recheck.setSingleShot(true);
    connect(&m_recheck, &QTimer::timeout, this, &SqliteResultsStore::checkForChanges);
}

SqliteResultsStore::~SqliteResultsStore()
{
    if (QSqlDatabase::contains(m_connection)) {
        database().close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

QSqlDatabase SqliteResultsStore::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

StoreError SqliteResultsStore::errorOf(const QSqlError &error) const
{
    StoreError result { StoreError::Kind::Other, m_path, error.databaseText() };
    if (result.detail.isEmpty())
        result.detail = error.text();
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return result;
    switch (code) {
    case kFull:
        result.kind = StoreError::Kind::DiskFull;
        break;
    case kBusy:
    case kLocked:
        result.kind = StoreError::Kind::Busy;
        break;
    case kReadOnly:
        result.kind = StoreError::Kind::ReadOnly;
        break;
    case kCantOpen:
        result.kind = StoreError::Kind::CannotOpen;
        break;
    case kCorrupt:
    case kNotADatabase:
        result.kind = StoreError::Kind::Damaged;
        break;
    case kIoError:
    default:
        break;
    }
    return result;
}

std::optional<StoreError> SqliteResultsStore::open()
{
    if (m_open)
        return std::nullopt;
    if (!QSqlDatabase::isDriverAvailable(m_options.driver))
        return StoreError { StoreError::Kind::DriverMissing, m_path, m_options.driver };
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        return StoreError { StoreError::Kind::CannotOpen, folder,
                            QCoreApplication::translate("SqliteResultsStore",
                                                        "the folder could not be created") };

    QSqlDatabase db = QSqlDatabase::contains(m_connection)
        ? database()
        : QSqlDatabase::addDatabase(m_options.driver, m_connection);
    db.setDatabaseName(m_path);
    if (!db.open())
        return errorOf(db.lastError());

    QSqlQuery query(db);
    const QString pragmas[] = {
        QStringLiteral("PRAGMA busy_timeout = %1").arg(m_options.busyTimeoutMs),
        QStringLiteral("PRAGMA foreign_keys = ON"),
        QStringLiteral("PRAGMA journal_mode = WAL"),
        QStringLiteral("PRAGMA synchronous = FULL"),
        // Room for the indexes of a large run while it is written (16 MiB, used only as needed).
        QStringLiteral("PRAGMA cache_size = -16384"),
    };
    for (const QString &pragma : pragmas) {
        if (!query.exec(pragma)) {
            const StoreError error = errorOf(query.lastError());
            db.close();
            return error;
        }
    }
    if (auto error = migrate()) {
        db.close();
        return error;
    }
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next()) {
        const StoreError error = errorOf(query.lastError());
        db.close();
        return error;
    }
    m_dataVersion = query.value(0).toLongLong();
    m_open = true;
    watch();
    return std::nullopt;
}

std::optional<StoreError> SqliteResultsStore::migrate()
{
    QSqlDatabase db = database();
    QSqlQuery query(db);
    const auto version = [&]() -> std::variant<int, StoreError> {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return errorOf(query.lastError());
        return query.value(0).toInt();
    };
    auto found = version();
    if (auto *error = std::get_if<StoreError>(&found))
        return *error;
    if (std::get<int>(found) == kSchemaVersion)
        return std::nullopt;
    if (std::get<int>(found) > kSchemaVersion) {
        return StoreError { StoreError::Kind::TooNew, m_path,
                            QCoreApplication::translate("SqliteResultsStore", "layout version %1")
                                .arg(std::get<int>(found)) };
    }

    // The write lock first, then the version again: two programs starting at once must not both
    // create the tables.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return errorOf(query.lastError());
    const auto fail = [&](const QSqlError &sqlError) {
        const StoreError error = errorOf(sqlError);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    };
    found = version();
    if (auto *error = std::get_if<StoreError>(&found)) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return *error;
    }
    for (int step = std::get<int>(found); step < kSchemaVersion; ++step) {
        for (const QString &statement : kMigrations.at(step)) {
            if (!query.exec(statement))
                return fail(query.lastError());
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)))
        return fail(query.lastError());
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail(query.lastError());
    return std::nullopt;
}

std::variant<ResultsStore::Written, StoreError> SqliteResultsStore::write(const Write &write)
{
    if (auto error = open())
        return *error;
    QSqlDatabase db = database();
    QSqlQuery query(db);
    // IMMEDIATE takes the write lock at once: the numbers read below stay ours until the commit.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return errorOf(query.lastError());
    const auto fail = [&](const QSqlError &sqlError) {
        const StoreError error = errorOf(sqlError);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    };

    Written written;
    for (const RunWrite &runWrite : write.runs) {
        WrittenRun done;
        const StoredRun &run = runWrite.run;
        done.runId = run.id;
        if (run.id == 0 || runWrite.updateRun) {
            query.prepare(run.id == 0 ? QStringLiteral(
                              "INSERT INTO runs (name, notes, angle_unc_deg, length_unc_cm, "
                              "delta_t_unc_ms, uuid, started_utc) VALUES (?, ?, ?, ?, ?, ?, ?)")
                                      : QStringLiteral("UPDATE runs SET name = ?, notes = ?, "
                                                       "angle_unc_deg = ?, length_unc_cm = ?, "
                                                       "delta_t_unc_ms = ? WHERE id = ?"));
            query.addBindValue(text(run.name));
            query.addBindValue(text(run.notes));
            query.addBindValue(run.angleUncDeg);
            query.addBindValue(run.lengthUncCm);
            query.addBindValue(run.deltaTUncMs);
            if (run.id == 0) {
                query.addBindValue(text(run.uuid));
                query.addBindValue(timeText(run.startedUtc));
            } else {
                query.addBindValue(run.id);
            }
            if (!query.exec())
                return fail(query.lastError());
            if (run.id == 0)
                done.runId = query.lastInsertId().toLongLong();
        }

        if (!runWrite.removeUuids.isEmpty()) {
            query.prepare(QStringLiteral("DELETE FROM trials WHERE uuid = ? AND run_id = ?"));
            for (const QString &uuid : runWrite.removeUuids) {
                query.addBindValue(text(uuid));
                query.addBindValue(done.runId);
                if (!query.exec())
                    return fail(query.lastError());
            }
        }

        const auto bindValues = [&](const StoredTrial &t) {
            query.addBindValue(text(t.sample));
            query.addBindValue(t.kinetic ? QStringLiteral("kinetic") : QStringLiteral("static"));
            query.addBindValue(t.angleDeg);
            query.addBindValue(nullable(t.lengthCm));
            query.addBindValue(nullable(t.deltaTMs));
            query.addBindValue(nullable(t.gravity));
            query.addBindValue(t.mu);
            query.addBindValue(t.angleUncDeg);
            query.addBindValue(nullable(t.lengthUncCm));
            query.addBindValue(nullable(t.deltaTUncMs));
            query.addBindValue(t.muUncertainty);
            query.addBindValue(t.excluded ? 1 : 0);
            query.addBindValue(text(t.note));
        };
        if (!runWrite.update.isEmpty()) {
            query.prepare(QStringLiteral(
                "UPDATE trials SET sample = ?, kind = ?, angle_deg = ?, length_cm = ?, "
                "delta_t_ms = ?, g_m_s2 = ?, mu = ?, angle_unc_deg = ?, length_unc_cm = ?, "
                "delta_t_unc_ms = ?, mu_uncertainty = ?, excluded = ?, note = ? "
                "WHERE uuid = ? AND run_id = ?"));
            for (const StoredTrial &trial : runWrite.update) {
                bindValues(trial);
                query.addBindValue(text(trial.uuid));
                query.addBindValue(done.runId);
                if (!query.exec())
                    return fail(query.lastError());
            }
        }

        if (!runWrite.insert.isEmpty()) {
            query.prepare(
                QStringLiteral("SELECT COALESCE(MAX(seq), 0) FROM trials WHERE run_id = ?"));
            query.addBindValue(done.runId);
            if (!query.exec() || !query.next())
                return fail(query.lastError());
            int next = query.value(0).toInt() + 1;
            query.prepare(QStringLiteral(
                "INSERT INTO trials (sample, kind, angle_deg, length_cm, delta_t_ms, g_m_s2, mu, "
                "angle_unc_deg, length_unc_cm, delta_t_unc_ms, mu_uncertainty, excluded, note, "
                "uuid, run_id, seq, time_utc) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (const StoredTrial &trial : runWrite.insert) {
                const int seq = trial.seq > 0 ? trial.seq : next;
                next = std::max(next, seq + 1);
                bindValues(trial);
                query.addBindValue(text(trial.uuid));
                query.addBindValue(done.runId);
                query.addBindValue(seq);
                query.addBindValue(timeText(trial.timeUtc));
                if (!query.exec())
                    return fail(query.lastError());
                done.ids << query.lastInsertId().toLongLong();
                done.seqs << seq;
            }
        }

        query.prepare(QStringLiteral("SELECT revision FROM runs WHERE id = ?"));
        query.addBindValue(done.runId);
        if (!query.exec() || !query.next())
            return fail(query.lastError());
        done.revision = query.value(0).toLongLong();
        written << done;
    }

    if (!write.settings.isEmpty()) {
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)"));
        for (const auto &[key, value] : write.settings) {
            query.addBindValue(text(key));
            query.addBindValue(text(value));
            if (!query.exec())
                return fail(query.lastError());
        }
    }
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail(query.lastError());
    emit this->written();
    return written;
}

std::variant<QList<StoredTrial>, StoreError> SqliteResultsStore::trials(qint64 runId,
                                                                        qint64 afterId)
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "SELECT id, uuid, seq, time_utc, sample, kind, angle_deg, length_cm, delta_t_ms, g_m_s2, "
        "mu, angle_unc_deg, length_unc_cm, delta_t_unc_ms, mu_uncertainty, excluded, note "
        "FROM trials WHERE run_id = ? AND id > ? ORDER BY seq"));
    query.addBindValue(runId);
    query.addBindValue(afterId);
    if (!query.exec())
        return errorOf(query.lastError());
    QList<StoredTrial> trials;
    while (query.next()) {
        StoredTrial t;
        t.id = query.value(0).toLongLong();
        t.uuid = query.value(1).toString();
        t.seq = query.value(2).toInt();
        t.timeUtc = timeOf(query.value(3));
        t.sample = query.value(4).toString();
        t.kinetic = query.value(5).toString() == QLatin1String("kinetic");
        t.angleDeg = query.value(6).toDouble();
        t.lengthCm = realOf(query.value(7));
        t.deltaTMs = realOf(query.value(8));
        t.gravity = realOf(query.value(9));
        t.mu = query.value(10).toDouble();
        t.angleUncDeg = query.value(11).toDouble();
        t.lengthUncCm = realOf(query.value(12));
        t.deltaTUncMs = realOf(query.value(13));
        t.muUncertainty = query.value(14).toDouble();
        t.excluded = query.value(15).toInt() != 0;
        t.note = query.value(16).toString();
        trials << t;
    }
    if (query.lastError().isValid())
        return errorOf(query.lastError());
    return trials;
}

std::variant<ResultsStore::RunState, StoreError> SqliteResultsStore::runState(qint64 runId)
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT %1, r.revision, "
                                 "(SELECT COALESCE(MAX(id), 0) FROM trials WHERE run_id = r.id) "
                                 "FROM runs r WHERE r.id = ?")
                      .arg(QLatin1String(kRunColumns)));
    query.addBindValue(runId);
    if (!query.exec())
        return errorOf(query.lastError());
    if (!query.next())
        return StoreError { StoreError::Kind::Other, m_path,
                            QCoreApplication::translate("SqliteResultsStore",
                                                        "run %1 is not in the database")
                                .arg(runId) };
    RunState state;
    state.run = runOf(query, 0);
    state.revision = query.value(8).toLongLong();
    state.lastTrialId = query.value(9).toLongLong();
    return state;
}

std::variant<QList<RunListing>, StoreError> SqliteResultsStore::runs()
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT %1, COUNT(t.id), MAX(t.time_utc) FROM runs r "
                                   "LEFT JOIN trials t ON t.run_id = r.id "
                                   "GROUP BY r.id ORDER BY r.started_utc, r.id")
                        .arg(QLatin1String(kRunColumns))))
        return errorOf(query.lastError());
    QList<RunListing> runs;
    while (query.next()) {
        RunListing listing;
        listing.run = runOf(query, 0);
        listing.trialCount = query.value(8).toInt();
        if (!query.value(9).isNull())
            listing.lastTrialUtc = timeOf(query.value(9));
        runs << listing;
    }
    return runs;
}

std::variant<qint64, StoreError> SqliteResultsStore::findRun(const QString &uuid)
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT id FROM runs WHERE uuid = ?"));
    query.addBindValue(text(uuid));
    if (!query.exec())
        return errorOf(query.lastError());
    return query.next() ? query.value(0).toLongLong() : qint64(0);
}

std::variant<QString, StoreError> SqliteResultsStore::setting(const QString &key)
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(text(key));
    if (!query.exec())
        return errorOf(query.lastError());
    return query.next() ? query.value(0).toString() : QString();
}

void SqliteResultsStore::watch()
{
    // inotify on Linux: nothing wakes the program while the files stay as they are.
    m_watcher = new QFileSystemWatcher(this);
    const QString folder = QFileInfo(m_path).absolutePath();
    const QString log = m_path + QStringLiteral("-wal");
    const auto follow = [this, log] {
        // The log is made anew after the last program closes the file; watch whatever is there.
        QStringList missing;
        for (const QString &file : { m_path, log }) {
            if (!m_watcher->files().contains(file) && QFileInfo::exists(file))
                missing << file;
        }
        if (!missing.isEmpty())
            m_watcher->addPaths(missing);
    };
    m_watcher->addPath(folder);
    follow();
    const auto changed = [this, follow] {
        follow();
        m_rechecksLeft = 2;
        checkForChanges();
    };
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, changed);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, changed);
}

void SqliteResultsStore::checkForChanges()
{
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("PRAGMA data_version")) || !query.next())
        return;
    const qint64 version = query.value(0).toLongLong();
    query.finish();
    if (version != m_dataVersion) {
        m_dataVersion = version;
        m_rechecksLeft = 0;
        m_recheck.stop();
        emit changedElsewhere();
        return;
    }
    if (m_rechecksLeft > 0) {
        m_recheck.start(m_rechecksLeft == 2 ? 100 : 500);
        --m_rechecksLeft;
    }
}

std::variant<QList<ResultsStore::OutboxEntry>, StoreError> SqliteResultsStore::outbox(int limit)
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    // A trial deleted before it was sent has nothing left to send: its entries come without one.
    query.prepare(
        QStringLiteral("SELECT o.id, o.kind, o.excluded, o.note, o.trial_uuid, t.id, t.seq, "
                       "t.time_utc, t.sample, t.kind, t.angle_deg, t.length_cm, t.delta_t_ms, "
                       "t.g_m_s2, t.mu, t.angle_unc_deg, t.length_unc_cm, t.delta_t_unc_ms, "
                       "t.mu_uncertainty, t.excluded, t.note, %1 "
                       "FROM outbox o LEFT JOIN trials t ON t.uuid = o.trial_uuid "
                       "LEFT JOIN runs r ON r.id = t.run_id ORDER BY o.id LIMIT ?")
            .arg(QLatin1String(kRunColumns)));
    query.addBindValue(limit);
    if (!query.exec())
        return errorOf(query.lastError());
    QList<OutboxEntry> entries;
    while (query.next()) {
        OutboxEntry entry;
        entry.id = query.value(0).toLongLong();
        entry.change = query.value(1).toString() == QLatin1String("change");
        entry.trialFound = !query.value(5).isNull();
        StoredTrial &t = entry.trial;
        t.uuid = query.value(4).toString();
        if (entry.trialFound) {
            t.id = query.value(5).toLongLong();
            t.seq = query.value(6).toInt();
            t.timeUtc = timeOf(query.value(7));
            t.sample = query.value(8).toString();
            t.kinetic = query.value(9).toString() == QLatin1String("kinetic");
            t.angleDeg = query.value(10).toDouble();
            t.lengthCm = realOf(query.value(11));
            t.deltaTMs = realOf(query.value(12));
            t.gravity = realOf(query.value(13));
            t.mu = query.value(14).toDouble();
            t.angleUncDeg = query.value(15).toDouble();
            t.lengthUncCm = realOf(query.value(16));
            t.deltaTUncMs = realOf(query.value(17));
            t.muUncertainty = query.value(18).toDouble();
            t.excluded = query.value(19).toInt() != 0;
            t.note = query.value(20).toString();
            entry.run = runOf(query, 21);
        }
        // A change carries the Use and Note it made, not the trial's latest.
        if (entry.change) {
            t.excluded = query.value(2).toInt() != 0;
            t.note = query.value(3).toString();
        }
        entries << entry;
    }
    if (query.lastError().isValid())
        return errorOf(query.lastError());
    return entries;
}

std::variant<qint64, StoreError> SqliteResultsStore::outboxCount()
{
    if (auto error = open())
        return *error;
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM outbox")) || !query.next())
        return errorOf(query.lastError());
    return query.value(0).toLongLong();
}

std::optional<StoreError> SqliteResultsStore::removeFromOutbox(const QList<qint64> &ids)
{
    if (auto error = open())
        return *error;
    QSqlDatabase db = database();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return errorOf(query.lastError());
    query.prepare(QStringLiteral("DELETE FROM outbox WHERE id = ?"));
    for (qint64 id : ids) {
        query.addBindValue(id);
        if (!query.exec()) {
            const StoreError error = errorOf(query.lastError());
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return error;
        }
    }
    query.finish();
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const StoreError error = errorOf(query.lastError());
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    return std::nullopt;
}
