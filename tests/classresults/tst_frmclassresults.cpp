#include "classsummarymodel.h"
#include "classtrialmodel.h"
#include "classtrials.h"
#include "fakedatafiles.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "frmclassresults.h"
#include "psqlclassserver.h"
#include "testlanguage.h"
#include "textfit.h"
#include "throwawaypostgres.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString kDatabase = QStringLiteral("lab");

// The day the trials of ClassTrials are taken; the window's "today". The test runs with TZ=UTC,
// so that local days are UTC days.
const QDate kDay(2026, 3, 9);

} // namespace

// Class Results as the instructor uses it: two stations send, the window shows their trials
// live, grouped and summed up, filters them and exports what it shows.
class tst_frmClassResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void trialsArriveLiveGroupedFilteredAndExported();
    void goesOnAfterTheServerRestarts();
    void germanDesktopShowsDecimalCommasButExportsPoints();
    void noCaptionClipped();

private:
    void send(const QString &station, const QList<OutboxItem> &items)
    {
        const auto connection = m_server.connect(m_pg->settings(kDatabase, station));
        QSignalSpy sent(connection.get(), &ClassConnection::sent);
        connection->send(items);
        QVERIFY(sent.wait(10000));
    }
    QString cell(QTableView *grid, int row, int column) const
    {
        return grid->model()->index(row, column).data().toString();
    }

    std::unique_ptr<ThrowawayPostgres> m_pg;
    PsqlClassServer m_server;
};

void tst_frmClassResults::initTestCase()
{
    if (!ThrowawayPostgres::running())
        QSKIP(ThrowawayPostgres::kSkipReason);
    m_pg = std::make_unique<ThrowawayPostgres>();
    QVERIFY(m_pg->createClassDatabase(kDatabase));
    for (const char *station : { "bench-1", "bench-2" })
        QVERIFY(m_pg->addLogin(QLatin1String(station), QStringLiteral("pw"),
                               QStringLiteral("tiltbench_station")));
    QVERIFY(m_pg->addLogin(QStringLiteral("teacher"), QStringLiteral("pw"),
                           QStringLiteral("tiltbench_instructor")));
}

void tst_frmClassResults::trialsArriveLiveGroupedFilteredAndExported()
{
    // A trial of the day before, which today's view leaves out.
    ClassRun early = ClassTrials::run(QStringLiteral("Group 1 warm-up"));
    early.startedUtc = QDateTime(kDay.addDays(-1), QTime(23, 0), Qt::UTC);
    NewTrial yesterday = ClassTrials::staticTrial(early, 1);
    yesterday.trial.timeUtc = QDateTime(kDay.addDays(-1), QTime(23, 59, 59, 999), Qt::UTC);
    send(QStringLiteral("bench-1"), { { 1, yesterday } });

    FakeFileDialogs dialogs;
    FakeDataFiles files;
    FakeMessageBoxes boxes;
    frmClassResults window(m_server.connect(m_pg->settings(kDatabase, QStringLiteral("teacher"))),
                           m_pg->settings(kDatabase, QStringLiteral("teacher")), dialogs, files,
                           boxes, kDay);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *state = window.findChild<QLabel *>(QStringLiteral("lblState"));
    QTRY_COMPARE_WITH_TIMEOUT(state->text(), QStringLiteral("Live: 0 trials from 0 stations."),
                              10000);

    // Two trials of bench-2's run arrive before one of bench-1's; bench-1 is listed first.
    const ClassRun two = ClassTrials::run(QStringLiteral("Group 2"));
    NewTrial a = ClassTrials::staticTrial(two, 1);
    a.trial.mu = 0.40;
    a.trial.muUncertainty = 0.01;
    NewTrial b = ClassTrials::staticTrial(two, 2);
    b.trial.mu = 0.50;
    b.trial.muUncertainty = 0.02;
    send(QStringLiteral("bench-2"), { { 1, a }, { 2, b } });
    const ClassRun one = ClassTrials::run(QStringLiteral("Group 1"));
    send(QStringLiteral("bench-1"), { { 2, ClassTrials::staticTrial(one, 1) } });

    auto *trials = window.findChild<QTableView *>(QStringLiteral("grdTrials"));
    auto *summary = window.findChild<QTableView *>(QStringLiteral("grdSummary"));
    QTRY_COMPARE_WITH_TIMEOUT(trials->model()->rowCount(), 3, 5000);
    QCOMPARE(state->text(), QStringLiteral("Live: 3 trials from 2 stations."));
    QCOMPARE(cell(trials, 0, ClassTrialModel::Station), QStringLiteral("bench-1"));
    QCOMPARE(cell(trials, 1, ClassTrialModel::Number), QStringLiteral("1"));
    QCOMPARE(cell(trials, 2, ClassTrialModel::Mu), QStringLiteral("0.500"));
    // bench-2's two: mean 0.45, s = 0.0707, s/√2 = 0.05; weighted by 1/δ²: (0.40·10000 +
    // 0.50·2500) / 12500 = 0.42 ± 1/√12500 = 0.0089.
    QTRY_COMPARE(summary->model()->rowCount(), 2);
    QCOMPARE(cell(summary, 1, ClassSummaryModel::Count), QStringLiteral("2"));
    QCOMPARE(cell(summary, 1, ClassSummaryModel::Mean), QStringLiteral("0.450"));
    QCOMPARE(cell(summary, 1, ClassSummaryModel::StandardDeviation), QStringLiteral("0.0707"));
    QCOMPARE(cell(summary, 1, ClassSummaryModel::StandardError), QStringLiteral("0.0500"));
    QCOMPARE(cell(summary, 1, ClassSummaryModel::WeightedMeanValue), QStringLiteral("0.420"));
    QCOMPARE(cell(summary, 1, ClassSummaryModel::WeightedMeanUncertainty),
             QStringLiteral("0.0089"));

    // Use unticked at the bench: the trial stays, greyed, and leaves the summary.
    send(QStringLiteral("bench-2"), { { 3, TrialChange { b.trial.uuid, true, {} } } });
    QTRY_COMPARE_WITH_TIMEOUT(cell(summary, 1, ClassSummaryModel::Count), QStringLiteral("1"),
                              5000);
    QCOMPARE(trials->model()->rowCount(), 3);
    QCOMPARE(cell(trials, 2, ClassTrialModel::Use), QStringLiteral("no"));

    auto *runName = window.findChild<QLineEdit *>(QStringLiteral("txtRunName"));
    runName->setFocus();
    QTest::keyClicks(runName, QStringLiteral("group 1"));
    QTRY_COMPARE(trials->model()->rowCount(), 1);
    QTest::keyClick(window.findChild<QCheckBox *>(QStringLiteral("chkAllDates")), Qt::Key_Space);
    QTRY_COMPARE(trials->model()->rowCount(), 2);
    QCOMPARE(cell(trials, 0, ClassTrialModel::Run), QStringLiteral("Group 1 warm-up"));

    dialogs.saveNames = QStringList { QStringLiteral("/out/class.csv") };
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btnExportCsv")),
                      Qt::LeftButton);
    const QList<QByteArray> lines = files.files.value(QStringLiteral("/out/class.csv")).split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(0),
             QByteArray("station,trial,time,sample,kind,angle_deg,length_cm,delta_t_ms,g_m_s2,mu,"
                        "mu_uncertainty,run,angle_unc_deg,length_unc_cm,delta_t_unc_ms,excluded,"
                        "note"));
    QCOMPARE(lines.at(1),
             QByteArray("bench-1,1,2026-03-08T23:59:59.999Z,oak,Static,24.228,,,,"
                        "0.450005345171587,0.009983,Group 1 warm-up,0.5,,,0,"));
    QVERIFY(lines.at(2).startsWith("bench-1,1,2026-03-09T08:16:00.123Z,oak,Static,"));
}

void tst_frmClassResults::goesOnAfterTheServerRestarts()
{
    FakeFileDialogs dialogs;
    FakeDataFiles files;
    FakeMessageBoxes boxes;
    frmClassResults window(m_server.connect(m_pg->settings(kDatabase, QStringLiteral("teacher"))),
                           m_pg->settings(kDatabase, QStringLiteral("teacher")), dialogs, files,
                           boxes, kDay);
    window.show();
    auto *state = window.findChild<QLabel *>(QStringLiteral("lblState"));
    auto *trials = window.findChild<QTableView *>(QStringLiteral("grdTrials"));
    QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QLatin1String("Live: ")), 10000);
    const int before = trials->model()->rowCount();

    QVERIFY(m_pg->stop());
    QTRY_VERIFY2_WITH_TIMEOUT(state->text().startsWith(QLatin1String("Offline (")),
                              qPrintable(state->text()), 10000);
    QCOMPARE(trials->model()->rowCount(), before);
    QVERIFY(m_pg->start());
    const ClassRun run = ClassTrials::run(QStringLiteral("After the restart"));
    send(QStringLiteral("bench-2"), { { 9, ClassTrials::staticTrial(run, 1) } });
    QTRY_COMPARE_WITH_TIMEOUT(trials->model()->rowCount(), before + 1, 20000);
    // The connection the restart closed may still report its end after the new one has read the
    // trials; the window must come back to live, not stay offline.
    QTRY_VERIFY2_WITH_TIMEOUT(state->text().startsWith(QLatin1String("Live: ")),
                              qPrintable(state->text()), 20000);
    QCOMPARE(trials->model()->rowCount(), before + 1);
}

void tst_frmClassResults::germanDesktopShowsDecimalCommasButExportsPoints()
{
    TestLanguage german(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(german.isLoaded());
    // A day of its own, so that the other cases' trials stay out of the view.
    const QDate day = kDay.addDays(40);
    ClassRun run = ClassTrials::run(QStringLiteral("Gruppe 3"));
    run.startedUtc = QDateTime(day, QTime(9, 0), Qt::UTC);
    NewTrial trial = ClassTrials::staticTrial(run, 1);
    trial.trial.lengthCm = 1234.5;
    send(QStringLiteral("bench-1"), { { 10, trial } });

    FakeFileDialogs dialogs;
    FakeDataFiles files;
    FakeMessageBoxes boxes;
    frmClassResults window(m_server.connect(m_pg->settings(kDatabase, QStringLiteral("teacher"))),
                           m_pg->settings(kDatabase, QStringLiteral("teacher")), dialogs, files,
                           boxes, day);
    window.show();
    auto *trials = window.findChild<QTableView *>(QStringLiteral("grdTrials"));
    auto *summary = window.findChild<QTableView *>(QStringLiteral("grdSummary"));
    QTRY_COMPARE_WITH_TIMEOUT(trials->model()->rowCount(), 1, 10000);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblState"))->text(),
             QStringLiteral("Live: 1 Versuche von 1 Pl\u00e4tzen."));
    // Comma decimals, no digit grouping, the decimals of the Results window's columns.
    QCOMPARE(cell(trials, 0, ClassTrialModel::Angle), QStringLiteral("24,228"));
    QCOMPARE(cell(trials, 0, ClassTrialModel::Length), QStringLiteral("1234,50"));
    QCOMPARE(cell(trials, 0, ClassTrialModel::Mu), QStringLiteral("0,450"));
    QCOMPARE(cell(trials, 0, ClassTrialModel::MuUncertainty), QStringLiteral("0,010"));
    QCOMPARE(cell(trials, 0, ClassTrialModel::Kind), QStringLiteral("Haftreibung"));
    QTRY_COMPARE(summary->model()->rowCount(), 1);
    QCOMPARE(cell(summary, 0, ClassSummaryModel::Mean), QStringLiteral("0,450"));

    dialogs.saveNames = QStringList { QStringLiteral("/out/klasse.csv") };
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("btnExportCsv")),
                      Qt::LeftButton);
    const QList<QByteArray> lines
        = files.files.value(QStringLiteral("/out/klasse.csv")).split('\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(1),
             QByteArray("bench-1,1,2026-04-18T09:01:00.123Z,oak,Static,24.228,1234.5,,,"
                        "0.450005345171587,0.009983,Gruppe 3,0.5,,,0,"));
}

void tst_frmClassResults::noCaptionClipped()
{
    FakeFileDialogs dialogs;
    FakeDataFiles files;
    FakeMessageBoxes boxes;
    frmClassResults window(m_server.connect(m_pg->settings(kDatabase, QStringLiteral("teacher"))),
                           m_pg->settings(kDatabase, QStringLiteral("teacher")), dialogs, files,
                           boxes, kDay);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *state = window.findChild<QLabel *>(QStringLiteral("lblState"));
    QTRY_VERIFY_WITH_TIMEOUT(state->text().startsWith(QLatin1String("Live")), 10000);
    const QStringList clipped = clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
}

TILTBENCH_POSTGRES_TEST_MAIN(tst_frmClassResults, QApplication)
#include "tst_frmclassresults.moc"
