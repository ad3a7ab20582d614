#include "classmessages.h"
#include "classsender.h"
#include "classtrials.h"
#include "fakeclassoutbox.h"
#include "psqlclassserver.h"
#include "sqliteresultsstore.h"
#include "storeoutbox.h"
#include "throwawaypostgres.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QString kDatabase = QStringLiteral("class");

} // namespace

// The sender against a real server that goes away and comes back: every trial arrives once.
class tst_ClassSender : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void everyTrialArrivesOnceAcrossARestart();
    void aBatchWhoseRemovalFailedIsNotDoubled();
    void changesFollowTheirTrial();
    void theResultsDatabasesTrialsReachTheServer();

private:
    int count(const QString &where) const
    {
        return m_pg
            ->value(QStringLiteral("SELECT count(*) FROM tiltbench.trials WHERE ") + where,
                    kDatabase)
            .toInt();
    }

    std::unique_ptr<ThrowawayPostgres> m_pg;
    std::unique_ptr<PsqlClassServer> m_server;
};

void tst_ClassSender::initTestCase()
{
    if (!ThrowawayPostgres::running())
        QSKIP(ThrowawayPostgres::kSkipReason);
    m_pg = std::make_unique<ThrowawayPostgres>();
    QVERIFY(m_pg->createClassDatabase(kDatabase));
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-a"), QStringLiteral("pw-a"),
                           QStringLiteral("tiltbench_station")));
    m_server = std::make_unique<PsqlClassServer>();
}

void tst_ClassSender::init()
{
    QVERIFY(m_pg->sql(QStringLiteral("TRUNCATE tiltbench.trials, tiltbench.runs"), kDatabase));
}

void tst_ClassSender::everyTrialArrivesOnceAcrossARestart()
{
    FakeClassOutbox outbox;
    const auto connection = m_server->connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    // Short waits keep the test quick; the doubling is the same as the program's.
    ClassSender sender(outbox, *connection, Backoff(50ms, 400ms));
    connect(&outbox, &ClassOutbox::added, &sender, &ClassSender::queued);
    sender.start();
    QTRY_COMPARE(sender.status().state, ClassSender::State::Connected);
    QCOMPARE(ClassMessages::status(sender.status()), QStringLiteral("Class: connected"));

    const ClassRun run = ClassTrials::run(QStringLiteral("Restart"));
    int seq = 0;
    for (; seq < 150; ++seq)
        outbox.add(ClassTrials::staticTrial(run, seq + 1));
    QTRY_COMPARE(outbox.pendingCount(), 0);

    // The server goes away in the middle of the run; the trials of the gap wait for it.
    QVERIFY(m_pg->stop());
    for (; seq < 300; ++seq)
        outbox.add(ClassTrials::staticTrial(run, seq + 1));
    QTRY_COMPARE_WITH_TIMEOUT(sender.status().state, ClassSender::State::Offline, 10000);
    QCOMPARE(sender.status().fault.kind == ClassFault::Kind::ConnectionLost
                 || sender.status().fault.kind == ClassFault::Kind::Refused,
             true);
    QVERIFY(outbox.pendingCount() > 0);
    QVERIFY2(ClassMessages::status(sender.status()).contains(QLatin1String(" waiting")),
             qPrintable(ClassMessages::status(sender.status())));

    QVERIFY(m_pg->start());
    QTRY_COMPARE_WITH_TIMEOUT(outbox.pendingCount(), 0, 15000);
    QCOMPARE(sender.status().state, ClassSender::State::Connected);
    QCOMPARE(count(QStringLiteral("true")), 300);
    QCOMPARE(m_pg->value(QStringLiteral("SELECT count(DISTINCT seq) || '/' || min(seq) || '/' || "
                                        "max(seq) FROM tiltbench.trials"),
                         kDatabase),
             QStringLiteral("300/1/300"));
}

void tst_ClassSender::aBatchWhoseRemovalFailedIsNotDoubled()
{
    FakeClassOutbox outbox;
    outbox.failingRemovals = 1;
    const ClassRun run = ClassTrials::run(QStringLiteral("Twice"));
    for (int seq = 1; seq <= 3; ++seq)
        outbox.add(ClassTrials::staticTrial(run, seq));
    const auto connection = m_server->connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    ClassSender sender(outbox, *connection, Backoff(50ms, 400ms));
    connect(&outbox, &ClassOutbox::added, &sender, &ClassSender::queued);
    sender.start();
    QTRY_COMPARE(outbox.pendingCount(), 0);
    QCOMPARE(outbox.removals, 2);
    QCOMPARE(count(QStringLiteral("true")), 3);
}

void tst_ClassSender::changesFollowTheirTrial()
{
    FakeClassOutbox outbox;
    const ClassRun run = ClassTrials::run(QStringLiteral("Changes"));
    const NewTrial trial = ClassTrials::staticTrial(run, 1);
    outbox.add(trial);
    outbox.add(TrialChange { trial.trial.uuid, true, QStringLiteral("block chipped") });
    outbox.add(TrialChange { trial.trial.uuid, false, QStringLiteral("block fine after all") });
    const auto connection = m_server->connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    ClassSender sender(outbox, *connection, Backoff(50ms, 400ms));
    connect(&outbox, &ClassOutbox::added, &sender, &ClassSender::queued);
    sender.start();
    QTRY_COMPARE(outbox.pendingCount(), 0);
    QCOMPARE(m_pg->value(QStringLiteral("SELECT excluded || '/' || note FROM tiltbench.trials"),
                         kDatabase),
             QStringLiteral("false/block fine after all"));
}

// The outbox the program uses: the results database's own, filled in each trial's transaction.
void tst_ClassSender::theResultsDatabasesTrialsReachTheServer()
{
    QTemporaryDir folder;
    SqliteResultsStore store(folder.filePath(QStringLiteral("results.sqlite")));
    StoreOutbox outbox(store);
    const auto connection = m_server->connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    ClassSender sender(outbox, *connection, Backoff(50ms, 400ms));
    connect(&outbox, &ClassOutbox::added, &sender, &ClassSender::queued);
    sender.start();

    ResultsStore::RunWrite run;
    run.run.uuid = ClassTrials::uuid();
    run.run.name = QStringLiteral("Group B");
    run.run.startedUtc = QDateTime(QDate(2026, 3, 9), QTime(10, 0), Qt::UTC);
    StoredTrial trial;
    trial.uuid = ClassTrials::uuid();
    trial.timeUtc = QDateTime(QDate(2026, 3, 9), QTime(10, 1), Qt::UTC);
    trial.sample = QStringLiteral("felt");
    trial.angleDeg = 16.7;
    trial.mu = 0.3;
    trial.angleUncDeg = 0.5;
    trial.muUncertainty = 0.0095;
    run.insert = { trial };
    QVERIFY(!store.write({ { run }, {} }).index());
    QTRY_COMPARE(outbox.pendingCount(), 0);
    trial.excluded = true;
    trial.note = QStringLiteral("ramp moved");
    ResultsStore::RunWrite change;
    change.run.id = 1;
    change.update = { trial };
    QVERIFY(!store.write({ { change }, {} }).index());
    QTRY_COMPARE(outbox.pendingCount(), 0);

    QCOMPARE(
        m_pg->value(QStringLiteral("SELECT r.name || '/' || t.seq || '/' || t.sample || '/' || "
                                   "t.excluded || '/' || t.note FROM tiltbench.trials t JOIN "
                                   "tiltbench.runs r ON r.uuid = t.run_uuid"),
                    kDatabase),
        QStringLiteral("Group B/1/felt/true/ramp moved"));
}

TILTBENCH_POSTGRES_TEST_MAIN(tst_ClassSender, QCoreApplication)
#include "tst_classsender.moc"
