#include "qtdatafiles.h"
#include "resultssession.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The journal against a writer killed outright (SIGKILL: no destructor, no flush, no close).
class tst_JournalCrash : public QObject
{
    Q_OBJECT

private slots:
    void everyReportedTrialSurvivesAKill();
};

void tst_JournalCrash::everyReportedTrialSurvivesAKill()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("Tiltbench"));
    const QDate day(2026, 12, 7);

    int reported = 0;
    for (int round = 0; round < 3; ++round) {
        QProcess writer;
        writer.setProgram(QStringLiteral(TILTBENCH_JOURNAL_WRITER));
        writer.setArguments({ day.toString(Qt::ISODate) });
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start();
        QVERIFY(writer.waitForStarted());

        // Kill it once it has reported some more trials, at whatever point it is then writing.
        QByteArray out;
        const int target = reported + 25;
        int last = 0;
        const auto readReports = [&] {
            out += writer.readAllStandardOutput();
            const QList<QByteArray> lines = out.split('\n');
            for (const QByteArray &line : lines) {
                if (line.startsWith("added "))
                    last = line.mid(6).toInt();
            }
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                readReports();
                return last >= target || writer.state() == QProcess::NotRunning;
            }(),
            20000);
        QCOMPARE(writer.state(), QProcess::Running);
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        // It went on writing until the signal came: what it reported by then is in the pipe.
        readReports();
        reported = last;

        QtDataFiles files;
        ResultsSession session(files, [day] { return QDateTime(day, QTime(12, 0)); });
        const QList<Trial> &trials = session.trials().trials();
        // Everything reported is there, numbered 1, 2, 3... with the values written; at most the
        // one trial being written when the kill came is extra.
        QVERIFY2(trials.size() >= reported, qPrintable(QString::number(trials.size())));
        QVERIFY(trials.size() <= reported + 1);
        for (int i = 0; i < trials.size(); ++i) {
            QCOMPARE(trials.at(i).number, i + 1);
            QCOMPARE(trials.at(i).measurement.angleDeg, double(1 + (i + 1) % 80));
            QCOMPARE(trials.at(i).sample, QStringLiteral("felt, \"grey\"\nside B"));
        }
        reported = int(trials.size());
    }
}

QTEST_GUILESS_MAIN(tst_JournalCrash)
#include "tst_journalcrash.moc"
