#include "qtdatafiles.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

// One writer program and what it said it committed.
struct Writer
{
    QString name;
    std::unique_ptr<QProcess> process;
    QByteArray out;
    int next = 0;
    QSet<int> reported;

    void start()
    {
        process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(TILTBENCH_RESULTS_WRITER), { name, QString::number(next) });
    }
    void read()
    {
        out += process->readAllStandardOutput();
        qsizetype end;
        while ((end = out.indexOf('\n')) >= 0) {
            const QByteArray line = out.left(end);
            out.remove(0, end + 1);
            if (line.startsWith("added ")) {
                reported.insert(line.mid(6).toInt());
                next = std::max(next, line.mid(6).toInt() + 1);
            }
        }
    }
    // SIGKILL: no destructor, no rollback, no close.
    void kill()
    {
        process->kill();
        process->waitForFinished();
        read();
        // Trials begun after the last report may be in the database: never number one twice.
        next += 1000;
    }
};

} // namespace

// Two programs adding trials to one run at once, one of them killed at random moments.
class tst_ResultsCrash : public QObject
{
    Q_OBJECT

private slots:
    void noReportedTrialIsLostNorDoubled();
};

void tst_ResultsCrash::noReportedTrialIsLostNorDoubled()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("Tiltbench"));
    QtDataFiles files;
    const QString database = files.dataFolder() + QStringLiteral("/results.sqlite");
    {
        // The run both writers open, as the one used last.
        SqliteResultsStore store(database);
        ResultsSession session(store, files);
        QVERIFY(!session.newRun(QStringLiteral("two benches"), {}));
    }

    Writer steady { QStringLiteral("steady") };
    Writer killed { QStringLiteral("killed") };
    steady.start();
    QRandomGenerator random(20261207);
    for (int round = 0; round < 6; ++round) {
        killed.start();
        QVERIFY(killed.process->waitForStarted());
        const int target = int(killed.reported.size()) + random.bounded(3, 25);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                killed.read();
                steady.read();
                return killed.reported.size() >= target;
            }(),
            30000);
        // Somewhere inside the next trial: between 0 and 4 ms later.
        QTest::qWait(random.bounded(5));
        killed.kill();
        QCOMPARE(killed.process->exitStatus(), QProcess::CrashExit);
    }
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            steady.read();
            return steady.reported.size() >= 20;
        }(),
        30000);
    steady.kill();

    SqliteResultsStore store(database);
    ResultsSession session(store, files);
    QMap<QString, QList<int>> found;
    QSet<int> numbers;
    for (const Trial &trial : session.trials()) {
        found[trial.sample] << int(std::lround((trial.measurement.angleDeg - 10.0) * 1000.0));
        QVERIFY2(!numbers.contains(trial.number), "two trials share a number");
        numbers.insert(trial.number);
    }
    for (const Writer *writer : { &steady, &killed }) {
        const QList<int> &kept = found.value(writer->name);
        QCOMPARE(QSet<int>(kept.cbegin(), kept.cend()).size(), kept.size());
        for (int n : writer->reported)
            QVERIFY2(kept.contains(n),
                     qPrintable(QStringLiteral("%1 lost trial %2").arg(writer->name).arg(n)));
    }
    qInfo("%d trials by the steady writer, %d by the one killed six times",
          int(found.value(steady.name).size()), int(found.value(killed.name).size()));
}

QTEST_GUILESS_MAIN(tst_ResultsCrash)
#include "tst_resultscrash.moc"
