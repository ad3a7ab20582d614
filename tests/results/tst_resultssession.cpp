#include "databaselock.h"
#include "fakedatafiles.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"
#include "summarytablemodel.h"
#include "trialtablemodel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <unistd.h>

namespace {

const QByteArray kHeader
    = "trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,mu_uncertainty\n";
const QByteArray kMu30 = "0.57735026918962573";

FrictionTrial staticTrial(double angle)
{
    FrictionTrial trial;
    trial.angleDeg = angle;
    return trial;
}

bool near(double a, double b)
{
    return std::abs(a - b) < 1e-7;
}

} // namespace

// The open run as the session keeps it in the database: restarts, failed commits, a second
// program, the old journals and CSV files.
class tst_ResultsSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void trialsKeepTheirUncertaintiesAcrossARestart();
    void lockedDatabaseKeepsTheTrialUntilItIsWritten();
    void fullDiskKeepsTheTrialUntilSpaceReturns();
    void secondProgramsTrialsAppear();
    void excludedTrialsLeaveSummaryAndPlot();
    void journalsAreImportedOnce();
    void openCsv_data();
    void openCsv();
    void exportRoundTripKeepsEverything();

private:
    ResultsSession *newSession(int busyTimeoutMs = 5000);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_database;
    QDateTime m_now;
    FakeDataFiles *m_files = nullptr;
    QList<QObject *> m_owned;
};

void tst_ResultsSession::initTestCase()
{
    // Times are shown in local time: the tests read them in UTC.
    qputenv("TZ", "UTC");
    tzset();
}

void tst_ResultsSession::init()
{
    QLocale::setDefault(QLocale::c());
    m_dir = std::make_unique<QTemporaryDir>();
    m_database = m_dir->filePath(QStringLiteral("results.sqlite"));
    m_now = QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::UTC);
    m_files = new FakeDataFiles;
}

void tst_ResultsSession::cleanup()
{
    // Sessions before their stores.
    while (!m_owned.isEmpty())
        delete m_owned.takeLast();
    delete m_files;
}

// A start of the program: a store and a session of their own on the same database.
ResultsSession *tst_ResultsSession::newSession(int busyTimeoutMs)
{
    auto *store = new SqliteResultsStore(m_database, { QStringLiteral("QSQLITE"), busyTimeoutMs });
    auto *session = new ResultsSession(*store, *m_files, [this] { return m_now; });
    m_owned << store << session;
    return session;
}

void tst_ResultsSession::trialsKeepTheirUncertaintiesAcrossARestart()
{
    ResultsSession *first = newSession();
    first->setSample(QStringLiteral("felt"));
    first->setUncertainties({ 1.0, 0.1, 1.0 });
    QVERIFY(!first->addTrial(staticTrial(45)));
    first->setUncertainties({ 0.5, 0.2, 2.0 });
    // A run goes on past midnight.
    m_now = QDateTime(QDate(2026, 12, 8), QTime(0, 0, 5), Qt::UTC);
    QVERIFY(!first->addTrial(staticTrial(45)));
    QVERIFY(!first->setNote(0, QStringLiteral("block chipped")));
    QVERIFY(!first->setUsed({ 1 }, false));

    ResultsSession *second = newSession();
    const QList<Trial> &trials = second->trials();
    QCOMPARE(trials.size(), 2);
    // sec^2(45) = 2: 2 x 1 degree = 0.0349066 rad, then 2 x 0.5 degree.
    QVERIFY(near(trials.at(0).muUncertainty, 0.0349066));
    QVERIFY(near(trials.at(1).muUncertainty, 0.0174533));
    QCOMPARE(trials.at(0).uncertainties.angleDeg, 1.0);
    QCOMPARE(second->run().uncertainties.deltaTMs, 2.0);
    QCOMPARE(trials.at(0).note, QStringLiteral("block chipped"));
    QVERIFY(trials.at(0).used());
    QVERIFY(!trials.at(1).used());
    QCOMPARE(trials.at(1).number, 2);
    TrialTableModel model(*second);
    QCOMPARE(model.text(0, TrialTableModel::Time), QStringLiteral("2026-12-07 09:30:00"));
    QCOMPARE(model.text(1, TrialTableModel::Time), QStringLiteral("2026-12-08 00:00:05"));

    // Apply to All Trials puts the run's values into every trial, and that stays too.
    QVERIFY(!second->applyUncertaintiesToAll());
    QVERIFY(near(newSession()->trials().at(0).muUncertainty, 0.0174533));
}

void tst_ResultsSession::lockedDatabaseKeepsTheTrialUntilItIsWritten()
{
    ResultsSession *session = newSession(200);
    QVERIFY(!session->addTrial(staticTrial(30)));
    QSignalSpy appended(session, &ResultsSession::trialsAppended);
    {
        DatabaseLock lock(m_database);
        QVERIFY(lock.held());
        const auto error = session->addTrial(staticTrial(45));
        QVERIFY(error);
        QCOMPARE(error->kind, StoreError::Kind::Busy);
        // Shown all the same, without a number yet.
        QCOMPARE(appended.count(), 1);
        QCOMPARE(session->trials().size(), 2);
        QCOMPARE(session->trials().at(1).saved, Trial::Saved::New);
        QCOMPARE(TrialTableModel(*session).text(1, TrialTableModel::Number),
                 QStringLiteral("not saved"));
        QCOMPARE(session->unsavedCount(), 1);
        // A change to a saved trial waits with it.
        QVERIFY(session->setNote(0, QStringLiteral("chipped")));
        QCOMPARE(session->trials().at(0).saved, Trial::Saved::Changed);
        QCOMPARE(session->unsavedCount(), 2);
    }
    // The next write takes what waited with it, in order.
    QVERIFY(!session->addTrial(staticTrial(60)));
    QCOMPARE(session->unsavedCount(), 0);
    const QList<Trial> &again = newSession()->trials();
    QCOMPARE(again.at(0).note, QStringLiteral("chipped"));
    QCOMPARE(again.size(), 3);
    QCOMPARE(again.at(1).number, 2);
    QCOMPARE(again.at(1).measurement.angleDeg, 45.0);
    QCOMPARE(again.at(2).number, 3);
}

// A real full disk: a small tmpfs filled to the last byte. Only root may mount one. 64 KiB, as
// the journal was tried with, does not even hold a new database: its write-ahead log index alone
// takes 32 KiB.
void tst_ResultsSession::fullDiskKeepsTheTrialUntilSpaceReturns()
{
    if (geteuid() != 0)
        QSKIP("needs root to mount a small tmpfs; the locked database stands in for it");
    const QString mount = m_dir->filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(mount));
    if (QProcess::execute(QStringLiteral("mount"),
                          { QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                            QStringLiteral("size=256k"), QStringLiteral("tmpfs"), mount })
        != 0)
        QSKIP("mount -t tmpfs is not allowed here (a container without CAP_SYS_ADMIN)");
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), { QStringLiteral("-l"), mount });
    });
    m_database = mount + QStringLiteral("/results.sqlite");

    ResultsSession *session = newSession();
    const auto first = session->addTrial(staticTrial(30));
    QVERIFY2(!first, qPrintable(first ? first->detail : QString()));
    QFile filler(mount + QStringLiteral("/filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size() && filler.flush()) { }
    filler.close();

    const auto error = session->addTrial(staticTrial(45));
    QVERIFY(error);
    QCOMPARE(error->kind, StoreError::Kind::DiskFull);
    QCOMPARE(session->trials().at(1).saved, Trial::Saved::New);

    QVERIFY(filler.remove());
    QVERIFY(!session->retrySaving());
    QCOMPARE(session->trials().at(1).number, 2);
    QCOMPARE(newSession()->trials().size(), 2);
}

// Two programs on one run: each sees the other's trials without asking, and numbers never clash.
void tst_ResultsSession::secondProgramsTrialsAppear()
{
    ResultsSession *first = newSession();
    QVERIFY(!first->addTrial(staticTrial(30)));
    ResultsSession *second = newSession();
    QCOMPARE(second->trials().size(), 1);

    QSignalSpy appended(first, &ResultsSession::trialsAppended);
    QVERIFY(!second->addTrial(staticTrial(45)));
    QVERIFY(appended.wait(1000));
    QCOMPARE(first->trials().size(), 2);
    QCOMPARE(first->trials().at(1).number, 2);

    QVERIFY(!first->addTrial(staticTrial(60)));
    QVERIFY(!second->addTrial(staticTrial(20)));
    QCOMPARE(first->trials().constLast().number, 3);
    QCOMPARE(second->trials().constLast().number, 4);

    // A change made by the other program is read again, not overwritten.
    QSignalSpy reset(first, &ResultsSession::trialsReset);
    QVERIFY(!second->setUsed({ 0 }, false));
    QVERIFY(reset.wait(1000));
    QTRY_COMPARE(first->trials().size(), 4);
    QVERIFY(!first->trials().at(0).used());
}

void tst_ResultsSession::excludedTrialsLeaveSummaryAndPlot()
{
    ResultsSession *session = newSession();
    SummaryTableModel summary(*session);
    session->setSample(QStringLiteral("felt"));
    for (double angle : { 30.0, 45.0, 60.0 })
        QVERIFY(!session->addTrial(staticTrial(angle)));
    QCOMPARE(summary.groups().at(0).statistics.count(), 3);
    QVERIFY(!session->setUsed({ 2 }, false));
    // 0.5773503 and 1: mean 0.7886751.
    QCOMPARE(summary.groups().at(0).statistics.count(), 2);
    QCOMPARE(summary.data(summary.index(0, SummaryTableModel::Mean)).toString(),
             QStringLiteral("0.789"));
    QCOMPARE(session->plotData().at(0).points.size(), 2);
    QCOMPARE(session->trials().size(), 3);
}

void tst_ResultsSession::journalsAreImportedOnce()
{
    const QString folder = QStringLiteral("/data/Tiltbench/results/");
    // A day with its δµ as it was shown then (0.0123, not what the ± values of today give).
    m_files->files[folder + "2026-12-05.csv"] = kHeader
        + "1,2026-12-05T10:00:00.000+01:00,felt,Static,30,,,," + kMu30 + ",0.0123\n"
        + "2,2026-12-05T10:01:00.000+01:00,felt,Static,30,,,," + kMu30 + ",0.0123\n";
    // Two programs on one day: a second header and numbers from 1 again.
    m_files->files[folder + "2026-12-06.csv"] = kHeader
        + "1,2026-12-06T10:00:00.000Z,a,Static,30,,,," + kMu30 + ",0.01\n" + kHeader
        + "1,2026-12-06T10:00:01.000Z,b,Static,30,,,," + kMu30 + ",0.01\n"
        + "2,2026-12-06T10:00:02.000Z,b,Static,30,,,," + kMu30 + ",0.01\n";
    // A quote left open on line 3: the trials after it are kept.
    m_files->files[folder + "2026-12-07.csv"] = kHeader
        + "1,2026-12-07T09:00:00.000Z,felt,Static,30,,,," + kMu30 + ",0.01\n"
        + "2,2026-12-07T09:01:00.000Z,\"felt,Static,30,,,," + kMu30 + ",0.01\n"
        + "3,2026-12-07T09:02:00.000Z,felt,Static,30,,,," + kMu30 + ",0.01\n"
        + "4,2026-12-07T09:03:00.000Z,felt,Static,30,,,," + kMu30 + ",0.01\n";
    m_files->files[folder + "2026-12-04.csv"] = kHeader;
    m_files->unreadable.insert(folder + "2026-12-04.csv");
    m_files->files[folder + "2026-12-07.csv.093000.damaged"] = "whatever";

    ResultsSession *session = newSession();
    const QString note = session->note();
    QVERIFY2(note.contains(QStringLiteral("8 trials from 3 files")), qPrintable(note));
    QVERIFY2(note.contains(QStringLiteral("2026-12-07.csv, line 3, column 28: a quoted field is "
                                          "not closed; left out")),
             qPrintable(note));
    QVERIFY(note.contains(QStringLiteral("2026-12-04.csv was not imported: Input/output error")));
    // Today's journal is the run opened.
    QCOMPARE(session->run().name, QStringLiteral("2026-12-07"));
    QCOMPARE(session->trials().size(), 3);
    QCOMPARE(session->trials().at(2).number, 4);

    const auto runs = std::get<QList<RunListing>>(session->runs());
    QCOMPARE(runs.size(), 3);
    QCOMPARE(runs.at(0).run.name, QStringLiteral("2026-12-05"));
    QCOMPARE(runs.at(1).trialCount, 3);
    QVERIFY(session->openRun(runs.at(0).run.id) == std::nullopt);
    QCOMPARE(session->trials().at(0).muUncertainty, 0.0123);
    QCOMPARE(session->trials().at(0).time, QDateTime(QDate(2026, 12, 5), QTime(9, 0), Qt::UTC));
    QVERIFY(session->openRun(runs.at(1).run.id) == std::nullopt);
    QCOMPARE(session->trials().at(2).number, 3);
    QCOMPARE(session->trials().at(2).sample, QStringLiteral("b"));

    // The files stay, and the next start imports nothing again.
    QVERIFY(m_files->files.contains(folder + "2026-12-05.csv"));
    ResultsSession *again = newSession();
    QVERIFY(again->note().isEmpty());
    QCOMPARE(std::get<QList<RunListing>>(again->runs()).size(), 3);
}

void tst_ResultsSession::openCsv_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("added");
    QTest::addColumn<QList<int>>("skippedLines");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<double>("firstUncertainty");

    const QByteArray row1 = "1,2026-12-06T10:00:00.000+01:00,felt,Static,30,,,," + kMu30;
    const QByteArray row2 = "2,2026-12-06T10:01:00.000Z,felt,Static,30,,,," + kMu30;
    QTest::newRow("ten columns keep their δµ") << kHeader + row1 + ",0.0123\n"
                                               << 1 << QList<int>() << QString() << 0.0123;
    // sec^2(30) = 4/3 of 0.5 degree = 0.00872665 rad.
    QTest::newRow("an empty δµ comes from the run's ± values") << kHeader + row1
            + ",\n" << 1 << QList<int>() << QString() << 0.0116355;
    QTest::newRow("mu that its inputs do not give is refused by line")
        << kHeader + row1 + ",0.01\n" + "2,2026-12-06T10:01:00Z,felt,Static,30,,,,0.58,0.01\n"
            + "3,2026-12-06T10:02:00Z,felt,Static,45,,,,1,0.01\n"
        << 2 << QList<int> { 3 } << QString() << 0.01;
    QTest::newRow("blank lines, a trailing one too")
        << kHeader + row1 + ",0.01\n\n" + row2 + ",0.01\n,,,,,,,,,\n\n"
        << 2 << QList<int>() << QString() << 0.01;
    QTest::newRow("semicolons and decimal commas") << QByteArray(kHeader).replace(',', ';')
            + "1;2026-12-06T10:00:00Z;\"felt; grey\";Static;30;;;;0,57735026918962573;0,02\n"
                                                   << 1 << QList<int>() << QString() << 0.02;
    QTest::newRow("a header that is not ours, by semicolons")
        << QByteArray("Versuch;Zeit;Probe;Art\n1;2026;x;y\n") << 0 << QList<int>()
        << "the file looks separated by ';'" << 0.0;
    QTest::newRow("a header that is not ours, by commas")
        << QByteArray("trial,time,sample,kind,angle\n") << 0 << QList<int>()
        << "the file does not look separated by ';'" << 0.0;
    QTest::newRow("a quote left open, then good lines")
        << kHeader + row1 + ",0.01\n" + "2,2026-12-06T10:01:00Z,\"felt,Static,30,,,," + kMu30
            + ",0.01\n" + row2 + ",0.01\n" + row2 + ",0.01\n"
        << 3 << QList<int> { 3 } << QString() << 0.01;
    QTest::newRow("nine fields") << kHeader + "1,2026-12-06T10:00:00Z,felt,Static,30,,,," + kMu30
            + "\n" + row2 + ",0.01\n"
                                 << 1 << QList<int> { 2 } << QString() << 0.01;
}

void tst_ResultsSession::openCsv()
{
    QFETCH(QByteArray, file);
    QFETCH(int, added);
    QFETCH(QList<int>, skippedLines);
    QFETCH(QString, refusal);
    QFETCH(double, firstUncertainty);

    ResultsSession *session = newSession();
    QVERIFY(!session->addTrial(staticTrial(20)));
    const qint64 before = session->run().id;
    m_files->files[QStringLiteral("/lab/bench 3.csv")] = file;
    const auto opened = session->openCsv(QStringLiteral("/lab/bench 3.csv"));
    if (!refusal.isEmpty()) {
        const auto *fault = std::get_if<TrialCsv::Fault>(&opened);
        QVERIFY(fault);
        QVERIFY2(fault->what.contains(refusal), qPrintable(fault->what));
        QCOMPARE(session->run().id, before);
        return;
    }
    const auto &imported = std::get<ResultsSession::Imported>(opened);
    QCOMPARE(imported.added, added);
    QList<int> lines;
    for (const TrialCsv::Fault &fault : imported.skipped)
        lines << fault.line;
    QCOMPARE(lines, skippedLines);
    QVERIFY(!imported.error);
    // A run of its own, named after the file, and saved.
    QCOMPARE(session->run().name, QStringLiteral("bench 3"));
    QVERIFY(session->run().id != before);
    QCOMPARE(newSession()->trials().size(), added);
    QVERIFY2(near(session->trials().at(0).muUncertainty, firstUncertainty),
             qPrintable(QString::number(session->trials().at(0).muUncertainty, 'g', 9)));
}

// Times go out in UTC: a local offset with seconds (+01:00:28) once moved a trial by 28 s.
void tst_ResultsSession::exportRoundTripKeepsEverything()
{
    ResultsSession *session = newSession();
    m_now = QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::OffsetFromUTC, 3628);
    session->setSample(QStringLiteral("felt, \"grey\"\nside B"));
    session->setUncertainties({ 0.25, 0.05, 0.5 });
    QVERIFY(!session->addTrial({ FrictionTrial::Kind::Kinetic, 25, 10, 200, 9.80665 }));
    QVERIFY(!session->addTrial(staticTrial(30)));
    QVERIFY(!session->setUsed({ 0 }, false));
    QVERIFY(!session->setNote(1, QStringLiteral("edge, worn")));
    QVERIFY(!session->exportCsv(QStringLiteral("/lab/out.csv")));
    const QByteArray bytes = m_files->files.value(QStringLiteral("/lab/out.csv"));
    QVERIFY2(bytes.contains(",2026-12-07T08:29:32.000Z,"), bytes.constData());
    QVERIFY(bytes.startsWith(kHeader.trimmed()
                             + ",run,angle_unc_deg,length_unc_cm,"
                               "delta_t_unc_ms,excluded,note\n"));

    QVERIFY(std::holds_alternative<ResultsSession::Imported>(
        session->openCsv(QStringLiteral("/lab/out.csv"))));
    const QList<Trial> &back = newSession()->trials();
    QCOMPARE(back.size(), 2);
    QCOMPARE(back.at(0).time, m_now.toUTC());
    QCOMPARE(back.at(0).sample, QStringLiteral("felt, \"grey\"\nside B"));
    QCOMPARE(back.at(0).uncertainties.deltaTMs, 0.5);
    QVERIFY(!back.at(0).used());
    QCOMPARE(back.at(1).note, QStringLiteral("edge, worn"));
    QCOMPARE(back.at(1).number, 2);
    QVERIFY(std::isnan(back.at(1).uncertainties.lengthCm));
}

QTEST_GUILESS_MAIN(tst_ResultsSession)
#include "tst_resultssession.moc"
