#include "classtrials.h"
#include "psqlclassserver.h"
#include "throwawaypostgres.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

#include <memory>

namespace {

const QString kDatabase = QStringLiteral("class");

// What a connection answered to one request.
struct Answer
{
    std::optional<ClassFault> fault;
    QList<QVariant> arguments;
};

template<typename Signal> Answer await(ClassConnection &connection, Signal signal)
{
    QSignalSpy done(&connection, signal);
    QSignalSpy failed(&connection, &ClassConnection::failed);
    if (!QTest::qWaitFor([&] { return !done.isEmpty() || !failed.isEmpty(); }, 15000))
        return { ClassFault { ClassFault::Kind::Other, QStringLiteral("no answer"), {} }, {} };
    if (!failed.isEmpty())
        return { failed.first().first().value<ClassFault>(), {} };
    return { std::nullopt, done.first() };
}

int unusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool openssl(const QStringList &arguments, const QString &folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("openssl"), arguments);
    return process.waitForFinished(30000) && process.exitCode() == 0;
}

} // namespace

// The connection against a real PostgreSQL: what each failure is reported as, what the server's
// rights let each login do, and that a trial goes and comes back unchanged and once.
class tst_PsqlConnection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void openSaysWhatFailed_data();
    void openSaysWhatFailed();
    void trialComesBackExactlyAndOnce();
    void stationsCannotReachEachOthersRows();
    void instructorSeesEveryStationLive();
    void verifyFullTrustsOnlyItsCa();

private:
    std::unique_ptr<ClassConnection> connect(const ClassServerSettings &settings,
                                             const QString &driver = QStringLiteral("QPSQL"))
    {
        return PsqlClassServer(driver).connect(settings);
    }
    int count(const QString &where = QStringLiteral("true")) const
    {
        return m_pg
            ->value(QStringLiteral("SELECT count(*) FROM tiltbench.trials WHERE ") + where,
                    kDatabase)
            .toInt();
    }

    std::unique_ptr<ThrowawayPostgres> m_pg;
};

void tst_PsqlConnection::initTestCase()
{
    if (!ThrowawayPostgres::running())
        QSKIP(ThrowawayPostgres::kSkipReason);
    m_pg = std::make_unique<ThrowawayPostgres>();
    QVERIFY(m_pg->createClassDatabase(kDatabase));
    QVERIFY(m_pg->sql(QStringLiteral("CREATE DATABASE bare")));
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-a"), QStringLiteral("pw-a"),
                           QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-b"), QStringLiteral("pw-b"),
                           QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->addLogin(QStringLiteral("teacher"), QStringLiteral("pw-t"),
                           QStringLiteral("tiltbench_instructor")));
    // In the password file with a password the server no longer takes.
    QVERIFY(m_pg->addLogin(QStringLiteral("bench-old"), QStringLiteral("old"),
                           QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->sql(QStringLiteral("ALTER ROLE \"bench-old\" PASSWORD 'new'")));
    // A login with a password that is not in the password file, and one in neither group.
    QVERIFY(m_pg->sql(QStringLiteral("CREATE ROLE \"bench-new\" LOGIN PASSWORD 'secret' IN ROLE "
                                     "tiltbench_station")));
    QVERIFY(m_pg->addLogin(QStringLiteral("visitor"), QStringLiteral("pw-v"),
                           QStringLiteral("pg_read_all_stats")));
}

void tst_PsqlConnection::openSaysWhatFailed_data()
{
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("database");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<QString>("driver");
    QTest::addColumn<ClassFault::Kind>("kind");

    using Kind = ClassFault::Kind;
    const QString psql = QStringLiteral("QPSQL");
    QTest::newRow("nothing listens") << "bench-a" << kDatabase << true << psql << Kind::Refused;
    QTest::newRow("wrong password")
        << "bench-old" << kDatabase << false << psql << Kind::WrongPassword;
    QTest::newRow("no password in the file")
        << "bench-new" << kDatabase << false << psql << Kind::NoPassword;
    QTest::newRow("missing database") << "bench-a"
                                      << "nosuch" << false << psql << Kind::NoSuchDatabase;
    QTest::newRow("login in neither group")
        << "visitor" << kDatabase << false << psql << Kind::PermissionDenied;
    QTest::newRow("database without the script") << "bench-a"
                                                 << "bare" << false << psql << Kind::NotPrepared;
    QTest::newRow("driver not installed")
        << "bench-a" << kDatabase << false << "QNOSUCHDRIVER" << Kind::DriverMissing;
    QTest::newRow("a ';' in a setting")
        << "bench-a;x" << kDatabase << false << psql << Kind::BadSettings;
}

void tst_PsqlConnection::openSaysWhatFailed()
{
    QFETCH(QString, station);
    QFETCH(QString, database);
    QFETCH(bool, closedPort);
    QFETCH(QString, driver);
    QFETCH(ClassFault::Kind, kind);

    ClassServerSettings settings = m_pg->settings(database, station);
    if (closedPort)
        settings.port = unusedPort();
    const auto connection = connect(settings, driver);
    connection->open();
    const Answer answer = await(*connection, &ClassConnection::opened);
    QVERIFY(answer.fault);
    QCOMPARE(answer.fault->kind, kind);
}

void tst_PsqlConnection::trialComesBackExactlyAndOnce()
{
    const ClassRun run = ClassTrials::run(QStringLiteral("Round trip"));
    NewTrial kinetic = ClassTrials::staticTrial(run, 1);
    kinetic.trial.kind = ClassTrial::Kind::Kinetic;
    kinetic.trial.sample = QStringLiteral("felt, \"grey\"; ünïcode");
    kinetic.trial.lengthCm = 5.0;
    kinetic.trial.deltaTMs = 146.64;
    kinetic.trial.gMs2 = 9.80665;
    // The shortest text of this double has 17 digits: any rounding on the way shows.
    kinetic.trial.mu = 0.30000000000000004;
    kinetic.trial.lengthUncCm = 0.1;
    kinetic.trial.deltaTUncMs = 1.0;
    kinetic.trial.note = QStringLiteral("it's 'quoted'");
    const NewTrial still = ClassTrials::staticTrial(run, 2);

    const auto a = connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    const QList<OutboxItem> batch { { 7, kinetic }, { 8, still } };
    // The second time is a batch whose answer was lost: the server keeps the first copy.
    for (int i = 0; i < 2; ++i) {
        a->send(batch);
        const Answer sent = await(*a, &ClassConnection::sent);
        QVERIFY2(!sent.fault, qPrintable(sent.fault ? sent.fault->message : QString()));
        QCOMPARE(sent.arguments.first().value<QList<qint64>>(), (QList<qint64> { 7, 8 }));
    }
    QCOMPARE(count(QStringLiteral("run_uuid = '%1'").arg(run.uuid)), 2);

    const auto teacher = connect(m_pg->settings(kDatabase, QStringLiteral("teacher")));
    teacher->fetch({ {}, {}, QStringLiteral("round TRIP") });
    const Answer fetched = await(*teacher, &ClassConnection::fetched);
    QVERIFY(!fetched.fault);
    const auto results = fetched.arguments.first().value<QList<ClassResult>>();
    QCOMPARE(results.size(), 2);
    const ClassResult &back = results.first();
    QCOMPARE(back.station, QStringLiteral("bench-a"));
    QCOMPARE(back.run.name, QStringLiteral("Round trip"));
    QCOMPARE(back.run.startedUtc, QDateTime(QDate(2026, 3, 9), QTime(8, 15), Qt::UTC));
    const ClassTrial &trial = back.trial;
    QCOMPARE(trial.uuid, kinetic.trial.uuid);
    QCOMPARE(trial.timeUtc, QDateTime(QDate(2026, 3, 9), QTime(8, 16, 0, 123), Qt::UTC));
    QCOMPARE(trial.kind, ClassTrial::Kind::Kinetic);
    QCOMPARE(trial.sample, QStringLiteral("felt, \"grey\"; ünïcode"));
    QCOMPARE(trial.mu, 0.30000000000000004);
    QCOMPARE(trial.deltaTMs, std::optional<double>(146.64));
    QCOMPARE(trial.note, QStringLiteral("it's 'quoted'"));
    QCOMPARE(results.at(1).trial.lengthCm, std::nullopt);
    QCOMPARE(results.at(1).trial.gMs2, std::nullopt);
}

void tst_PsqlConnection::stationsCannotReachEachOthersRows()
{
    const ClassRun run = ClassTrials::run(QStringLiteral("A's run"));
    const NewTrial own = ClassTrials::staticTrial(run, 1);
    const auto a = connect(m_pg->settings(kDatabase, QStringLiteral("bench-a")));
    a->send({ { 1, own } });
    QVERIFY(!await(*a, &ClassConnection::sent).fault);

    const auto b = connect(m_pg->settings(kDatabase, QStringLiteral("bench-b")));
    b->fetch({});
    const Answer seen = await(*b, &ClassConnection::fetched);
    QVERIFY(!seen.fault);
    QVERIFY(seen.arguments.first().value<QList<ClassResult>>().isEmpty());

    const QString where = QStringLiteral(" WHERE uuid = '%1'").arg(own.trial.uuid);
    const QString update = m_pg->sqlAs(
        QStringLiteral("bench-b"),
        QStringLiteral("UPDATE tiltbench.trials SET note = 'mine'") + where, kDatabase);
    QVERIFY2(update.contains(QLatin1String("permission denied for table trials")),
             qPrintable(update));
    const QString remove
        = m_pg->sqlAs(QStringLiteral("bench-b"),
                      QStringLiteral("DELETE FROM tiltbench.trials") + where, kDatabase);
    QVERIFY2(remove.contains(QLatin1String("permission denied for table trials")),
             qPrintable(remove));

    // Through the program: a change to A's trial, and a trial of B's filed under A's run.
    TrialChange change { own.trial.uuid, true, QStringLiteral("mine") };
    b->send({ { 2, change } });
    Answer refused = await(*b, &ClassConnection::sent);
    QVERIFY(refused.fault);
    QCOMPARE(refused.fault->kind, ClassFault::Kind::PermissionDenied);
    QVERIFY2(refused.fault->message.startsWith(QLatin1String("permission denied")),
             qPrintable(refused.fault->message));
    b->send({ { 3, ClassTrials::staticTrial(run, 2) } });
    refused = await(*b, &ClassConnection::sent);
    QVERIFY(refused.fault);
    QCOMPARE(refused.fault->kind, ClassFault::Kind::PermissionDenied);

    QCOMPARE(m_pg->value(QStringLiteral("SELECT station || '/' || note || '/' || excluded FROM "
                                        "tiltbench.trials")
                             + where,
                         kDatabase),
             QStringLiteral("bench-a//false"));
    QCOMPARE(count(QStringLiteral("run_uuid = '%1'").arg(run.uuid)), 1);
}

void tst_PsqlConnection::instructorSeesEveryStationLive()
{
    const auto teacher = connect(m_pg->settings(kDatabase, QStringLiteral("teacher")));
    QSignalSpy changed(teacher.get(), &ClassConnection::changed);
    teacher->watch();
    QVERIFY(!await(*teacher, &ClassConnection::watching).fault);

    const ClassRun run = ClassTrials::run(QStringLiteral("Live"));
    const NewTrial trial = ClassTrials::staticTrial(run, 1);
    const auto b = connect(m_pg->settings(kDatabase, QStringLiteral("bench-b")));
    b->send({ { 1, trial } });
    QVERIFY(!await(*b, &ClassConnection::sent).fault);
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 5000);
    auto results = changed.first().first().value<QList<ClassResult>>();
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.first().station, QStringLiteral("bench-b"));
    QCOMPARE(results.first().trial.uuid, trial.trial.uuid);

    b->send({ { 2, TrialChange { trial.trial.uuid, true, QStringLiteral("block chipped") } } });
    QVERIFY(!await(*b, &ClassConnection::sent).fault);
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 2, 5000);
    results = changed.at(1).first().value<QList<ClassResult>>();
    QCOMPARE(results.size(), 1);
    QVERIFY(results.first().trial.excluded);
    QCOMPARE(results.first().trial.note, QStringLiteral("block chipped"));
}

void tst_PsqlConnection::verifyFullTrustsOnlyItsCa()
{
    const QString folder = m_pg->folder();
    const QStringList ec { QStringLiteral("-newkey"), QStringLiteral("ec"),
                           QStringLiteral("-pkeyopt"),
                           QStringLiteral("ec_paramgen_curve:prime256v1"),
                           QStringLiteral("-nodes") };
    const auto makeCa = [&](const QString &name) {
        return openssl(QStringList { QStringLiteral("req"), QStringLiteral("-x509") } + ec
                           + QStringList { QStringLiteral("-keyout"), name + QStringLiteral(".key"),
                                           QStringLiteral("-out"), name + QStringLiteral(".crt"),
                                           QStringLiteral("-days"), QStringLiteral("2"),
                                           QStringLiteral("-subj"), QStringLiteral("/CN=") + name },
                       folder);
    };
    QFile extensions(folder + QStringLiteral("/san.ext"));
    QVERIFY(extensions.open(QIODevice::WriteOnly));
    extensions.write("subjectAltName=DNS:localhost\n");
    extensions.close();
    if (!makeCa(QStringLiteral("lab-ca")))
        QSKIP("skipped: openssl not installed");
    QVERIFY(makeCa(QStringLiteral("other-ca")));
    QVERIFY(openssl(QStringList { QStringLiteral("req") } + ec
                        + QStringList { QStringLiteral("-keyout"), QStringLiteral("server.key"),
                                        QStringLiteral("-out"), QStringLiteral("server.csr"),
                                        QStringLiteral("-subj"), QStringLiteral("/CN=localhost") },
                    folder));
    QVERIFY(openssl(
        { QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
          QStringLiteral("server.csr"), QStringLiteral("-CA"), QStringLiteral("lab-ca.crt"),
          QStringLiteral("-CAkey"), QStringLiteral("lab-ca.key"), QStringLiteral("-CAcreateserial"),
          QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
          QStringLiteral("san.ext"), QStringLiteral("-out"), QStringLiteral("server.crt") },
        folder));

    ClassServerSettings settings = m_pg->settings(kDatabase, QStringLiteral("bench-a"));
    settings.host = QStringLiteral("localhost");
    settings.tls = ClassServerSettings::Tls::Require;
    auto connection = connect(settings);
    connection->open();
    Answer answer = await(*connection, &ClassConnection::opened);
    QVERIFY(answer.fault);
    QCOMPARE(answer.fault->kind, ClassFault::Kind::TlsRequired);

    QVERIFY(m_pg->enableTls(folder + QStringLiteral("/server.crt"),
                            folder + QStringLiteral("/server.key")));
    settings.tls = ClassServerSettings::Tls::VerifyFull;
    settings.caFile = folder + QStringLiteral("/lab-ca.crt");
    connection = connect(settings);
    connection->open();
    answer = await(*connection, &ClassConnection::opened);
    QVERIFY2(!answer.fault, qPrintable(answer.fault ? answer.fault->message : QString()));

    settings.caFile = folder + QStringLiteral("/other-ca.crt");
    connection = connect(settings);
    connection->open();
    answer = await(*connection, &ClassConnection::opened);
    QVERIFY(answer.fault);
    QCOMPARE(answer.fault->kind, ClassFault::Kind::CertificateNotTrusted);
    QVERIFY(m_pg->disableTls());
}

TILTBENCH_POSTGRES_TEST_MAIN(tst_PsqlConnection, QCoreApplication)
#include "tst_psqlconnection.moc"
