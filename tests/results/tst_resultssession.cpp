#include "fakedatafiles.h"
#include "resultssession.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString kJournal = QStringLiteral("/data/Tiltbench/results/2026-12-07.csv");
const QByteArray kHeader
    = "trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,mu_uncertainty\n";

QDateTime morning()
{
    return QDateTime(QDate(2026, 12, 7), QTime(9, 30), Qt::OffsetFromUTC, 3600);
}

FrictionTrial staticTrial(double angle)
{
    FrictionTrial trial;
    trial.angleDeg = angle;
    return trial;
}

FrictionTrial kineticTrial(double angle, double length, double time)
{
    FrictionTrial trial { FrictionTrial::Kind::Kinetic, angle, length, time, 9.80665 };
    return trial;
}

} // namespace

// The day's trials as the session keeps them: journal, summary, import and export.
class tst_ResultsSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void journalKeepsTrialsAcrossRuns();
    void damagedJournalLoses_data();
    void damagedJournalLoses();
    void unreadableJournalIsOnlyAppendedTo();
    void rowsGoInRunsAndGaps();
    void journalCutInItsFirstWriteGetsItsHeader();
    void summaryGroupsBySampleAndKind();
    void csvRoundTripInCommaDecimalLocale();
    void badCsvIsRefusedWhole_data();
    void badCsvIsRefusedWhole();

private:
    ResultsSession *newSession();

    FakeDataFiles *m_files = nullptr;
    QList<ResultsSession *> m_sessions;
};

void tst_ResultsSession::init()
{
    QLocale::setDefault(QLocale::c());
    m_files = new FakeDataFiles;
}

void tst_ResultsSession::cleanup()
{
    qDeleteAll(m_sessions);
    m_sessions.clear();
    delete m_files;
}

ResultsSession *tst_ResultsSession::newSession()
{
    m_sessions << new ResultsSession(*m_files, [] { return morning(); });
    return m_sessions.last();
}

void tst_ResultsSession::journalKeepsTrialsAcrossRuns()
{
    ResultsSession *first = newSession();
    first->setSample(QStringLiteral("felt"));
    QVERIFY(!first->addTrial(staticTrial(30)));
    first->setSample(QStringLiteral("wood"));
    QVERIFY(!first->addTrial(kineticTrial(25, 10, 200)));
    QCOMPARE(m_files->appends, 2);
    QCOMPARE(first->journalPath(), kJournal);
    // Each row reached the journal on its own append, header first: no rewrite was needed.
    QVERIFY(m_files->files.value(kJournal).startsWith(kHeader
                                                      + "1,2026-12-07T09:30:00.000+01:00,"
                                                        "felt,Static,30,,,,0.57735"));
    QCOMPARE(m_files->replacements, 0);

    ResultsSession *second = newSession();
    TrialTableModel &trials = second->trials();
    QCOMPARE(trials.rowCount(), 2);
    QCOMPARE(trials.text(1, TrialTableModel::Sample), QStringLiteral("wood"));
    QCOMPARE(trials.text(1, TrialTableModel::Mu), QStringLiteral("0.326"));
    QCOMPARE(trials.trials().at(1).mu, first->trials().trials().at(1).mu);
    QVERIFY(second->note().isEmpty());

    // Numbers go on after the highest one kept; a deleted row takes its number with it.
    QVERIFY(!second->removeRows({ 0 }));
    QVERIFY(!second->addTrial(staticTrial(45)));
    ResultsSession *third = newSession();
    QCOMPARE(third->trials().rowCount(), 2);
    QCOMPARE(third->trials().text(0, TrialTableModel::Number), QStringLiteral("2"));
    QCOMPARE(third->trials().text(1, TrialTableModel::Number), QStringLiteral("3"));
}

void tst_ResultsSession::damagedJournalLoses_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<QString>("note");

    // A power cut can stop the writer anywhere in the last line.
    QTest::newRow("cut inside the last number")
        << QByteArray("3,2026-12-07T09:32:00.000+01:00,felt,Static,45,,,,0.99") << "Line 5";
    QTest::newRow("cut inside a quoted sample")
        << QByteArray("3,2026-12-07T09:32:00.000+01:00,\"felt, gr") << "Line 5";
    QTest::newRow("cut after a comma") << QByteArray("3,2026-12-07T09:3") << "Line 5";
}

void tst_ResultsSession::damagedJournalLoses()
{
    QFETCH(QByteArray, tail);
    QFETCH(QString, note);

    const QByteArray damaged = kHeader
        + "1,2026-12-07T09:30:00.000+01:00,felt,Static,30,,,,0.57735026918962573,0.01\n"
          "2,2026-12-07T09:31:00.000+01:00,\"felt,\nsmooth\",Kinetic,25,10,200,9.80665,0.3,\n"
        + tail;
    m_files->files[kJournal] = damaged;
    ResultsSession *session = newSession();
    QSignalSpy noted(session, &ResultsSession::noteChanged);
    QCOMPARE(session->trials().rowCount(), 2);
    QCOMPARE(noted.count(), 1);
    QVERIFY2(session->note().startsWith(note), qPrintable(session->note()));
    QCOMPARE(session->trials().text(1, TrialTableModel::Sample), QStringLiteral("felt,\nsmooth"));
    // Written anew, but the journal as it was is kept beside it, stamped with the time it was read.
    QCOMPARE(m_files->files.value(kJournal + ".093000.damaged"), damaged);

    // The next trial must start a line of its own, not continue the broken one.
    QVERIFY(!session->addTrial(staticTrial(10)));
    ResultsSession *again = newSession();
    QCOMPARE(again->trials().rowCount(), 3);
    QVERIFY(again->note().isEmpty());
    QCOMPARE(again->trials().text(2, TrialTableModel::Number), QStringLiteral("3"));
}

// A journal that cannot be read is never written anew from an empty table, nor given a second
// header: new trials are appended after what is there.
void tst_ResultsSession::unreadableJournalIsOnlyAppendedTo()
{
    const QByteArray kept
        = kHeader + "1,2026-12-07T09:30:00.000+01:00,felt,Static,30,,,,0.57735026918962573,0.01\n";
    m_files->files[kJournal] = kept;
    m_files->failReads = true;
    ResultsSession *session = newSession();
    QCOMPARE(session->trials().rowCount(), 0);
    QVERIFY2(session->note().contains(QStringLiteral("Input/output error")),
             qPrintable(session->note()));

    QVERIFY(!session->addTrial(staticTrial(45)));
    QVERIFY(session->removeRows({ 0 }));
    QVERIFY(session->clear());
    QVERIFY(m_files->files.value(kJournal).startsWith(kept + "1,"));
    QCOMPARE(m_files->files.value(kJournal).count("trial,time"), 1);
}

// Neighbouring rows go together, rows apart one by one, in any order given.
void tst_ResultsSession::rowsGoInRunsAndGaps()
{
    ResultsSession *session = newSession();
    for (double angle : { 10.0, 20.0, 30.0, 40.0, 50.0 })
        QVERIFY(!session->addTrial(staticTrial(angle)));
    QVERIFY(!session->removeRows({ 2, 0, 1, 4, 1 }));
    QCOMPARE(session->trials().rowCount(), 1);
    QCOMPARE(session->trials().text(0, TrialTableModel::Number), QStringLiteral("4"));
    QCOMPARE(newSession()->trials().rowCount(), 1);
}

void tst_ResultsSession::journalCutInItsFirstWriteGetsItsHeader()
{
    m_files->files[kJournal] = QByteArray();
    ResultsSession *session = newSession();
    QVERIFY(!session->addTrial(staticTrial(30)));
    QVERIFY(m_files->files.value(kJournal).startsWith(kHeader + "1,"));
    QCOMPARE(newSession()->trials().rowCount(), 1);
}

void tst_ResultsSession::summaryGroupsBySampleAndKind()
{
    ResultsSession *session = newSession();
    session->setSample(QStringLiteral("felt"));
    session->addTrial(staticTrial(30));
    session->addTrial(kineticTrial(30, 5, 100));
    session->addTrial(staticTrial(45));
    session->setSample(QStringLiteral("wood"));
    session->addTrial(staticTrial(10));

    const SummaryTableModel &summary = session->summary();
    QCOMPARE(summary.rowCount(), 3);
    const auto cell
        = [&](int row, int column) { return summary.data(summary.index(row, column)).toString(); };
    // felt static: 0.5773503 and 1; mean 0.7886751, s = 0.4226497 / sqrt(2) = 0.2988585,
    // standard error 0.2113249.
    QCOMPARE(cell(0, SummaryTableModel::Count), QStringLiteral("2"));
    QCOMPARE(cell(0, SummaryTableModel::Mean), QStringLiteral("0.789"));
    QCOMPARE(cell(0, SummaryTableModel::StandardDeviation), QStringLiteral("0.2989"));
    QCOMPARE(cell(0, SummaryTableModel::StandardError), QStringLiteral("0.2113"));
    QCOMPARE(cell(1, SummaryTableModel::Kind), QStringLiteral("Kinetic"));
    QCOMPARE(cell(1, SummaryTableModel::StandardDeviation), QString());
    QCOMPARE(cell(2, SummaryTableModel::Sample), QStringLiteral("wood"));

    // Renaming a trial's sample in the table moves it to the other group.
    TrialTableModel &trials = session->trials();
    QVERIFY(trials.setData(trials.index(2, TrialTableModel::Sample), QStringLiteral("wood")));
    QCOMPARE(cell(0, SummaryTableModel::Count), QStringLiteral("1"));
    QCOMPARE(cell(2, SummaryTableModel::Count), QStringLiteral("2"));
    QVERIFY(m_files->files.value(kJournal).contains("3,2026-12-07T09:30:00.000+01:00,wood,"));
}

void tst_ResultsSession::csvRoundTripInCommaDecimalLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ResultsSession *session = newSession();
    const QStringList samples { QStringLiteral("felt, grey"), QStringLiteral("say \"oak\""),
                                QStringLiteral("two\nlines"), QStringLiteral("Kork \u00b5") };
    for (const QString &sample : samples) {
        session->setSample(sample);
        session->addTrial(kineticTrial(27.5, 5.25, 112.5));
    }
    QCOMPARE(session->trials().text(0, TrialTableModel::Length), QStringLiteral("5,25"));

    const QString path = QStringLiteral("/home/lab/export.csv");
    QVERIFY(!session->exportCsv(path));
    const QByteArray bytes = m_files->files.value(path);
    QVERIFY(bytes.startsWith(kHeader));
    QVERIFY(bytes.contains(",\"felt, grey\",Kinetic,27.5,5.25,112.5,9.80665,"));
    QVERIFY(bytes.contains(",\"say \"\"oak\"\"\",Kinetic,"));
    QVERIFY(bytes.contains(",\"two\nlines\",Kinetic,"));
    QVERIFY(bytes.contains(QStringLiteral(",Kork \u00b5,Kinetic,").toUtf8()));

    const auto opened = session->openCsv(path);
    QCOMPARE(std::get<qsizetype>(opened), 4);
    const QList<Trial> &trials = session->trials().trials();
    QCOMPARE(trials.size(), 8);
    for (int i = 0; i < 4; ++i) {
        const Trial &original = trials.at(i);
        const Trial &back = trials.at(i + 4);
        QCOMPARE(back.number, i + 5);
        QCOMPARE(back.sample, samples.at(i));
        QCOMPARE(back.time, original.time);
        QCOMPARE(back.measurement.lengthCm, 5.25);
        QCOMPARE(back.measurement.deltaTMs, 112.5);
        // Bit for bit, not merely close.
        QCOMPARE(back.mu, original.mu);
    }
}

void tst_ResultsSession::badCsvIsRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");

    const QByteArray good = "1,2026-12-07T09:30:00+01:00,felt,Static,30,,,,0.577,\n";
    QTest::newRow("no header") << QByteArray(good) << 1 << 1;
    QTest::newRow("header column misspelt")
        << QByteArray("trial,time,sample,kind,angle,length_cm,delta_t_ms,g_m_s2,mu,"
                      "mu_uncertainty\n")
        << 1 << 24;
    QTest::newRow("kind unknown") << kHeader + good
            + "2,2026-12-07T09:31:00+01:00,felt,Sliding,30,,,,0.577,\n"
                                  << 3 << 34;
    QTest::newRow("comma decimal angle")
        << kHeader + good + "2,2026-12-07T09:31:00+01:00,\"a,b\",Static,\"30,5\",,,,0.5,\n"
        << 3 << 42;
    QTest::newRow("angle of 90") << kHeader + "1,2026-12-07T09:30:00+01:00,x,Static,90,,,,1,\n"
                                 << 2 << 38;
    QTest::newRow("kinetic without time")
        << kHeader + good + "2,2026-12-07T09:31:00+01:00,x,Kinetic,30,5,,9.8,0.2,\n"
        << 3 << 44;
    QTest::newRow("quote left open on line 4")
        << kHeader + good + good + "3,2026-12-07T09:31:00+01:00,\"felt,Static,30,,,,0.5,\n"
        << 4 << 29;
    QTest::newRow("eleven fields") << kHeader + "1,2026-12-07T09:30:00+01:00,x,Static,30,,,,1,,9\n"
                                   << 2 << 47;
    QTest::newRow("bad time") << kHeader + "1,yesterday,x,Static,30,,,,1,\n" << 2 << 3;
}

void tst_ResultsSession::badCsvIsRefusedWhole()
{
    QFETCH(QByteArray, body);
    QFETCH(int, line);
    QFETCH(int, column);

    ResultsSession *session = newSession();
    session->addTrial(staticTrial(20));
    const QByteArray journal = m_files->files.value(kJournal);
    m_files->files[QStringLiteral("/in.csv")] = body;

    const auto opened = session->openCsv(QStringLiteral("/in.csv"));
    const auto *fault = std::get_if<TrialCsv::Fault>(&opened);
    QVERIFY(fault);
    QCOMPARE(fault->line, line);
    QCOMPARE(fault->column, column);
    QCOMPARE(session->trials().rowCount(), 1);
    QCOMPARE(m_files->files.value(kJournal), journal);
}

QTEST_APPLESS_MAIN(tst_ResultsSession)
#include "tst_resultssession.moc"
