// Start-up time and peak memory of Tiltbench against a bare Qt window, and what linking Qt Charts
// into the program would cost. The programs run in turns on the offscreen platform and the medians
// are compared; the budget is 1.10 times the bare window. On a machine shared with other work the
// wall-clock time mostly measures the neighbours, so the budget is judged on processor time and
// peak memory, and the wall-clock time is shown beside them.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRuns = 21;

struct Figures
{
    double wallMs = 0.0;
    double cpuMs = 0.0;
    double kib = 0.0;
};

struct Runs
{
    QList<double> wall, cpu, kib;
    Figures medians() const;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

Figures Runs::medians() const
{
    return { median(wall), median(cpu), median(kib) };
}

void runOnce(const QString &program, const QProcessEnvironment &environment, Runs &runs)
{
    {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                         process.readAllStandardError().constData());
            std::exit(1);
        }
        runs.wall << double(timer.nsecsElapsed()) / 1e6;
        const QList<QByteArray> printed = process.readAllStandardOutput().simplified().split(' ');
        runs.kib << printed.value(0).toDouble();
        runs.cpu << printed.value(1).toDouble();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());

    // In turns, so that a busy moment of the machine falls on all three alike.
    Runs bareRuns, tiltbenchRuns, chartsRuns;
    for (int run = 0; run < kRuns; ++run) {
        runOnce(dir + QStringLiteral("startup_bare"), environment, bareRuns);
        runOnce(dir + QStringLiteral("startup_tiltbench"), environment, tiltbenchRuns);
        runOnce(dir + QStringLiteral("startup_tiltbench_charts"), environment, chartsRuns);
    }
    const Figures bare = bareRuns.medians();
    const Figures tiltbench = tiltbenchRuns.medians();
    const Figures charts = chartsRuns.medians();

    std::printf("| start-up (median of %d) | wall (ms) | processor (ms) | peak RSS (KiB) | vs bare "
                "window | budget |\n",
                kRuns);
    std::printf("| --- | ---: | ---: | ---: | --- | --- |\n");
    const auto line = [&](const char *what, const Figures &f, bool budgeted) {
        const double timeRatio = f.cpuMs / bare.cpuMs;
        const double sizeRatio = f.kib / bare.kib;
        const char *verdict = !budgeted                ? "-"
            : (timeRatio <= 1.10 && sizeRatio <= 1.10) ? "ok (1.10x)"
                                                       : "OVER (1.10x)";
        std::printf("| %s | %.1f | %.1f | %.0f | %.2fx processor, %.2fx RSS | %s |\n", what,
                    f.wallMs, f.cpuMs, f.kib, timeRatio, sizeRatio, verdict);
    };
    line("bare Qt window", bare, false);
    line("Tiltbench", tiltbench, true);
    line("Tiltbench with Qt Charts linked", charts, false);
    return 0;
}
