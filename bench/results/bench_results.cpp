// The Results window's budgets: opening a 100,000-row CSV (under 1 s), scrolling the table that
// shows it (a frame well under 16 ms), and adding a trial with its synced journal write (under
// 5 ms). Runs on the offscreen platform against real files in a temporary data folder.
#include "frictioncalc.h"
#include "qtdatafiles.h"
#include "resultssession.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>

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

QByteArray bigFile()
{
    QList<Trial> trials;
    trials.reserve(kRows);
    const QDateTime start(QDate(2026, 12, 7), QTime(8, 0), Qt::OffsetFromUTC, 3600);
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
        trials << trial;
    }
    return TrialCsv::write(trials, [](const Trial &) { return 0.0125; });
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tiltbench"));
    QTemporaryDir folder;
    const QString csv = folder.filePath(QStringLiteral("big.csv"));
    {
        QFile file(csv);
        if (!file.open(QIODevice::WriteOnly) || file.write(bigFile()) < 0)
            return 1;
    }

    std::printf("| results (%d rows) | median | budget | |\n", kRows);
    std::printf("| --- | ---: | ---: | --- |\n");

    QList<double> opens;
    QtDataFiles files;
    for (int run = 0; run < 3; ++run) {
        qputenv("XDG_DATA_HOME", folder.filePath(QStringLiteral("data%1").arg(run)).toLocal8Bit());
        ResultsSession session(files);
        session.trials();
        QElapsedTimer timer;
        timer.start();
        const auto opened = session.openCsv(csv);
        opens << milliseconds(timer);
        if (!std::holds_alternative<qsizetype>(opened) || std::get<qsizetype>(opened) != kRows)
            return 1;
    }
    line("open a 100,000-row CSV, journal included", median(opens), "ms", 1000);

    // The last session's day already holds the 100,000 trials: each new one is the 100,001st.
    ResultsSession session(files);
    QTableView view;
    view.setModel(&session.trials());
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(900, 600);
    view.show();
    QApplication::processEvents();

    QList<double> adds;
    for (int i = 0; i < 50; ++i) {
        FrictionTrial trial;
        trial.angleDeg = 30.0 + i * 0.01;
        QElapsedTimer timer;
        timer.start();
        if (session.addTrial(trial))
            return 1;
        adds << milliseconds(timer);
    }
    line("add a trial, synced journal write included", median(adds), "ms", 5);

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
    line("scroll the 100,000-row table, one frame", median(frames), "ms", 16);
    return 0;
}
