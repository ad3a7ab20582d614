#include "lazyresultsstore.h"
#include "sqliteresultsstore.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

StoredTrial staticTrial(double angle)
{
    StoredTrial trial;
    trial.uuid = QStringLiteral("trial-%1").arg(angle);
    trial.timeUtc = QDateTime(QDate(2026, 12, 7), QTime(23, 59, 50, 125), Qt::UTC);
    trial.angleDeg = angle;
    trial.mu = 0.5;
    trial.angleUncDeg = 0.5;
    trial.muUncertainty = 0.01;
    return trial;
}

ResultsStore::Write newRun(const QList<StoredTrial> &trials)
{
    ResultsStore::RunWrite run;
    run.run.uuid = QStringLiteral("run-1");
    run.run.name = QStringLiteral("Group A");
    run.run.startedUtc = QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    run.insert = trials;
    return { { run }, {} };
}

// A connection of its own, as a script or the sqlite3 shell would have.
class Script
{
public:
    explicit Script(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        db.open();
    }
    ~Script()
    {
        QSqlDatabase::database(kName).close();
        QSqlDatabase::removeDatabase(kName);
    }
    QVariant value(const QString &sql)
    {
        QSqlQuery query(QSqlDatabase::database(kName));
        return query.exec(sql) && query.next() ? query.value(0) : QVariant();
    }
    bool exec(const QString &sql) { return QSqlQuery(QSqlDatabase::database(kName)).exec(sql); }

private:
    static inline const QString kName = QStringLiteral("script");
};

} // namespace

// The database file as other programs and scripts meet it.
class tst_SqliteResultsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void layoutIsWhatScriptsRead();
    void secondProgramsCommitIsSeenWithoutPolling();
    void lockHeldPastTheTimeoutFailsCleanly();
    void missingDriverAndNewerLayoutAreNamed();
    void programsStoreLoadsTheModuleAtFirstUse();
    void outboxQueuesInTheTrialsOwnTransaction();

private:
    QString m_path;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SqliteResultsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_path = m_dir->filePath(QStringLiteral("Tiltbench/results.sqlite"));
}

void tst_SqliteResultsStore::layoutIsWhatScriptsRead()
{
    SqliteResultsStore store(m_path);
    StoredTrial kinetic = staticTrial(25);
    kinetic.kinetic = true;
    kinetic.lengthCm = 10;
    kinetic.deltaTMs = 200;
    kinetic.gravity = 9.80665;
    const auto written = store.write(newRun({ staticTrial(30), kinetic }));
    QVERIFY(std::holds_alternative<ResultsStore::Written>(written));
    QCOMPARE(std::get<ResultsStore::Written>(written).at(0).seqs, (QList<int> { 1, 2 }));

    Script script(m_path);
    QCOMPARE(script.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(script.value(QStringLiteral("PRAGMA user_version")).toInt(), 2);
    QCOMPARE(script.value(QStringLiteral("SELECT time_utc FROM trials WHERE seq = 1")).toString(),
             QStringLiteral("2026-12-07T23:59:50.125Z"));
    // A static trial has no length: NULL, not 0 or NaN.
    QVERIFY(script.value(QStringLiteral("SELECT length_cm FROM trials WHERE seq = 1")).isNull());
    QCOMPARE(script.value(QStringLiteral("SELECT kind FROM trials WHERE seq = 2")).toString(),
             QStringLiteral("kinetic"));
    // The schema refuses what the program never writes.
    QVERIFY(!script.exec(QStringLiteral(
        "INSERT INTO trials (uuid, run_id, seq, time_utc, sample, kind, angle_deg, mu, "
        "angle_unc_deg, mu_uncertainty) VALUES ('x', 1, 3, '', '', 'sliding', 1, 1, 1, 1)")));
    QVERIFY(!script.exec(QStringLiteral(
        "INSERT INTO trials (uuid, run_id, seq, time_utc, sample, kind, angle_deg, mu, "
        "angle_unc_deg, mu_uncertainty) VALUES ('y', 1, 2, '', '', 'static', 1, 1, 1, 1)")));
}

// A commit by another connection is seen through the file watch and data_version; the store's
// own commits are not announced as someone else's.
void tst_SqliteResultsStore::secondProgramsCommitIsSeenWithoutPolling()
{
    SqliteResultsStore first(m_path);
    QVERIFY(!first.write(newRun({ staticTrial(30) })).index());
    SqliteResultsStore second(m_path);
    QVERIFY(!second.open());
    QSignalSpy seenByFirst(&first, &ResultsStore::changedElsewhere);
    QSignalSpy seenBySecond(&second, &ResultsStore::changedElsewhere);

    ResultsStore::RunWrite more;
    more.run.id = 1;
    more.insert << staticTrial(31);
    QVERIFY(!second.write({ { more }, {} }).index());
    QVERIFY(seenByFirst.wait(1000));
    const auto state = first.runState(1);
    QCOMPARE(std::get<ResultsStore::RunState>(state).lastTrialId, 2);
    QCOMPARE(seenBySecond.count(), 0);
    QCOMPARE(seenByFirst.count(), 1);
}

void tst_SqliteResultsStore::lockHeldPastTheTimeoutFailsCleanly()
{
    SqliteResultsStore store(m_path, { QStringLiteral("QSQLITE"), 200 });
    QVERIFY(!store.write(newRun({ staticTrial(30) })).index());
    ResultsStore::RunWrite more;
    more.run.id = 1;
    more.insert << staticTrial(31);
    {
        Script script(m_path);
        QVERIFY(script.exec(QStringLiteral("BEGIN IMMEDIATE")));
        const auto refused = store.write({ { more }, {} });
        QVERIFY(std::holds_alternative<StoreError>(refused));
        QCOMPARE(std::get<StoreError>(refused).kind, StoreError::Kind::Busy);
        QVERIFY(script.exec(QStringLiteral("ROLLBACK")));
    }
    // Nothing of the refused write stayed behind: the same trial goes in as number 2.
    const auto written = store.write({ { more }, {} });
    QCOMPARE(std::get<ResultsStore::Written>(written).at(0).seqs, QList<int> { 2 });
}

void tst_SqliteResultsStore::missingDriverAndNewerLayoutAreNamed()
{
    SqliteResultsStore noDriver(m_path, { QStringLiteral("QNOSUCHSQL"), 5000 });
    const auto missing = noDriver.open();
    QVERIFY(missing);
    QCOMPARE(missing->kind, StoreError::Kind::DriverMissing);

    {
        SqliteResultsStore store(m_path);
        QVERIFY(!store.open());
    }
    {
        Script script(m_path);
        QVERIFY(script.exec(QStringLiteral("PRAGMA user_version = 7")));
    }
    SqliteResultsStore older(m_path);
    const auto tooNew = older.open();
    QVERIFY(tooNew);
    QCOMPARE(tooNew->kind, StoreError::Kind::TooNew);
}

// The program reaches the database through the module, loaded at the first call; another
// program's commits still come through.
void tst_SqliteResultsStore::programsStoreLoadsTheModuleAtFirstUse()
{
    LazyResultsStore store(m_path);
    QVERIFY(!QFileInfo::exists(m_path));
    QVERIFY(!store.write(newRun({ staticTrial(30) })).index());
    SqliteResultsStore other(m_path);
    QSignalSpy seen(&store, &ResultsStore::changedElsewhere);
    ResultsStore::RunWrite more;
    more.run.id = 1;
    more.insert << staticTrial(31);
    QVERIFY(!other.write({ { more }, {} }).index());
    QVERIFY(seen.wait(1000));
    QCOMPARE(std::get<QList<StoredTrial>>(store.trials(1)).size(), 2);
}

// Every new trial and every change of Use or Note is queued for the class server by the database
// itself; a file of the first layout queues the trials it already holds, once.
void tst_SqliteResultsStore::outboxQueuesInTheTrialsOwnTransaction()
{
    const auto entries = [](ResultsStore &store) {
        return std::get<QList<ResultsStore::OutboxEntry>>(store.outbox(10));
    };
    {
        SqliteResultsStore store(m_path);
        QVERIFY(!store.write(newRun({ staticTrial(30), staticTrial(31) })).index());
    }
    {
        // As the first release of the database left it.
        Script script(m_path);
        for (const char *statement : { "DROP TRIGGER outbox_trial", "DROP TRIGGER outbox_change",
                                       "DROP TABLE outbox", "PRAGMA user_version = 1" })
            QVERIFY(script.exec(QLatin1String(statement)));
    }
    SqliteResultsStore store(m_path);
    QList<ResultsStore::OutboxEntry> queued = entries(store);
    QCOMPARE(queued.size(), 2);
    QCOMPARE(queued.at(0).trial.uuid, QStringLiteral("trial-30"));
    QVERIFY(!queued.at(0).change);
    QCOMPARE(queued.at(0).run.name, QStringLiteral("Group A"));
    QCOMPARE(queued.at(1).trial.seq, 2);

    ResultsStore::RunWrite change;
    change.run.id = 1;
    StoredTrial excluded = staticTrial(30);
    excluded.excluded = true;
    excluded.note = QStringLiteral("block chipped");
    StoredTrial renamed = staticTrial(31);
    renamed.sample = QStringLiteral("felt");
    change.update = { excluded, renamed };
    change.insert = { staticTrial(32) };
    QVERIFY(!store.write({ { change }, {} }).index());
    queued = entries(store);
    // The sample's new name is not the class server's business; the Use and Note are.
    QCOMPARE(queued.size(), 4);
    QVERIFY(queued.at(2).change);
    QCOMPARE(queued.at(2).trial.uuid, QStringLiteral("trial-30"));
    QVERIFY(queued.at(2).trial.excluded);
    QCOMPARE(queued.at(2).trial.note, QStringLiteral("block chipped"));
    QCOMPARE(queued.at(3).trial.uuid, QStringLiteral("trial-32"));

    QVERIFY(!store.removeFromOutbox({ queued.at(0).id, queued.at(1).id }));
    ResultsStore::RunWrite removal;
    removal.run.id = 1;
    removal.removeUuids = { QStringLiteral("trial-32") };
    QVERIFY(!store.write({ { removal }, {} }).index());
    QCOMPARE(std::get<qint64>(store.outboxCount()), 2);
    queued = entries(store);
    QVERIFY(queued.at(0).trialFound);
    QVERIFY(!queued.at(1).trialFound);
}

QTEST_GUILESS_MAIN(tst_SqliteResultsStore)
#include "tst_sqliteresultsstore.moc"
