// The Results figures: opening a run of 100,000 trials from the database (under 1 s), adding a
// trial with its commit (under 5 ms), no wake-ups while a run is open, reading a 100,000-row CSV
// into a new run, and scrolling the table that shows the run (a frame well under 16 ms). Runs on
// the offscreen platform against a real database in a temporary data folder.
#include "frictioncalc.h"
#include "procstatus.h"
#include "qtdatafiles.h"
#include "resultsmessages.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"
#include "trialtablemodel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int kRows = 100000;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void line(const char *what, double value, const char *unit, double budget)
{
    std::printf("| %s | %.2f %s | under %.0f %s | %s |\n", what, value, unit, budget, unit,
                value < budget ? "ok" : "OVER");
}

QList<Trial> bigRun()
{
    QList<Trial> trials;
    trials.reserve(kRows);
    const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < kRows; ++i) {
        Trial trial;
        trial.number = i + 1;
        trial.time = start.addSecs(i);
        trial.sample = i % 3 == 0 ? QStringLiteral("felt, \"grey\"") : QStringLiteral("oak");
        trial.measurement.angleDeg = 20.0 + (i % 100) * 0.1;
        if (i % 2) {
            trial.measurement.kind = FrictionTrial::Kind::Kinetic;
            trial.measurement.lengthCm = 10.0;
            trial.measurement.deltaTMs = 180.0 + i % 40;
            trial.measurement.gravity = 9.80665;
        }
        trial.mu = FrictionCalc::coefficient(trial.measurement);
        trial.muUncertainty = 0.0125;
        trials << trial;
    }
    return trials;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tiltbench"));
    const bool quick = qEnvironmentVariableIsSet("TILTBENCH_BENCH_QUICK");
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", folder.path().toLocal8Bit());
    const QString csv = folder.filePath(QStringLiteral("big.csv"));
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(TrialCsv::write(bigRun(), QStringLiteral("big"))) < 0)
            return 1;
    }

    std::printf("| results (%d trials) | median | budget | |\n", kRows);
    std::printf("| --- | ---: | ---: | --- |\n");

    // Read into a new run, which is written to the database in one transaction and becomes the
    // run opened at the next start.
    QtDataFiles files;
    const QString database = files.dataFolder() + QStringLiteral("/results.sqlite");
    QList<double> reads;
    for (int run = 0; run < (quick ? 1 : 3); ++run) {
        SqliteResultsStore store(database);
        ResultsSession session(store, files);
        session.trials();
        QElapsedTimer timer;
        timer.start();
        const auto opened = session.openCsv(csv);
        reads << milliseconds(timer);
        const auto *imported = std::get_if<ResultsSession::Imported>(&opened);
        if (!imported || imported->added != kRows || imported->error) {
            std::fprintf(
                stderr, "the CSV was not read whole: %s%s\n",
                imported ? qPrintable(ResultsMessages::skippedLines(imported->skipped)) : "no run",
                imported && imported->error ? qPrintable(ResultsMessages::cause(*imported->error))
                                            : "");
            return 1;
        }
    }
    // No budget of its own: every row is checked, given a uuid and inserted with its indexes.
    std::printf("| read a 100,000-row CSV into a new run, commit included | %.2f ms | - | - |\n",
                median(reads));

    QList<double> opens;
    for (int run = 0; run < (quick ? 1 : 5); ++run) {
        SqliteResultsStore store(database);
        ResultsSession session(store, files);
        QElapsedTimer timer;
        timer.start();
        const qsizetype count = session.trials().size();
        opens << milliseconds(timer);
        if (count != kRows)
            return 1;
    }
    line("open a run of 100,000 trials at the first look", median(opens), "ms", 1000);

    // Each new trial is the 100,001st and so on of the open run.
    SqliteResultsStore store(database);
    ResultsSession session(store, files);
    TrialTableModel model(session);
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(900, 600);
    view.show();
    QApplication::processEvents();

    QList<double> adds;
    for (int i = 0; i < (quick ? 10 : 50); ++i) {
        FrictionTrial trial;
        trial.angleDeg = 30.0 + i * 0.01;
        QElapsedTimer timer;
        timer.start();
        if (session.addTrial(trial))
            return 1;
        adds << milliseconds(timer);
    }
    line("add a trial, commit (synced) included", median(adds), "ms", 5);
    // What the disk alone takes for what a commit must at least do: append a page (4 KiB) to a
    // file and sync it. On a shared machine both figures follow the neighbours' disk traffic.
    {
        QFile probe(folder.filePath(QStringLiteral("probe")));
        probe.open(QIODevice::WriteOnly);
        const QByteArray page(4096, 'x');
        QList<double> syncs;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer timer;
            timer.start();
            probe.write(page);
            probe.flush();
            ::fdatasync(probe.handle());
            syncs << milliseconds(timer);
        }
        std::printf("| the disk alone: append 4 KiB and sync it | %.2f ms | - | - |\n",
                    median(syncs));
    }

    // Idle with the run open and the database watched: nothing may wake the program.
    const auto idle = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    idle(1000); // the look after the last own commit
    const qint64 before = ProcStatus::contextSwitches(0);
    idle(quick ? 1000 : 5000);
    // The spell's own timer wakes the program once or twice.
    std::printf("| idle with the run open and the database watched: wake-ups in %d s | %lld | 2 "
                "or fewer | %s |\n",
                quick ? 1 : 5, ProcStatus::contextSwitches(0) - before,
                ProcStatus::contextSwitches(0) - before <= 2 ? "ok" : "OVER");

    // A frame of scrolling: move a page and paint the table.
    QList<double> frames;
    QScrollBar *bar = view.verticalScrollBar();
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue((i * 7919) % bar->maximum());
        view.viewport()->repaint();
        frames << milliseconds(timer);
    }
    line("scroll the 100,000-trial table, one frame", median(frames), "ms", 16);
    return 0;
}
