// Floods the serial line with 8 MB of random bytes through a pseudo-terminal, as fast as it takes
// them, while the main window drains the port as it always does, and measures:
//   - the drain rate (from the first byte written to the last one read by the main window),
//   - the CPU time the user-interface thread spent meanwhile (steadier than the rate on a busy
//     machine),
//   - how far the resident memory grows during the flood,
//   - how long a click on the main window waits (clicks posted from another thread every 10 ms,
//     timed from posting until the button reports it),
//   - how often the monitor's view is updated.
// Three ways: no recorder at all (the baseline), the recorder with the monitor closed, and the
// recorder with the monitor open. Each run is a process of its own, so that one run's heap does
// not flatter the next; the table gives the median of the runs (the worst click of all of them).
//
//   bench_monitor [--runs N]          the table (7 runs of each way by default)
//   bench_monitor --scenario NAME     one run, one line of figures (used by the above)

#include "filedialogs.h"
#include "frmmotorcontrol.h"
#include "frmserialmonitor.h"
#include "messageboxes.h"
#include "portmap.h"
#include "portmessages.h"
#include "qtappendfile.h"
#include "qtdatafiles.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "trafficlog.h"
#include "trafficrecorder.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr qsizetype kFloodBytes = 8 * 1024 * 1024;
constexpr int kClickEveryMs = 10;
// Enough for a flood of 20 s, far slower than any seen.
constexpr size_t kMaxClicks = 2000;

struct Scenario
{
    const char *name;
    const char *title;
    bool recorder;
    bool monitor;
};

constexpr Scenario kScenarios[] = {
    { "baseline", "no recorder (baseline)", false, false },
    { "closed", "recorder, monitor closed", true, false },
    { "open", "recorder, monitor open", true, true },
};

struct Figures
{
    double drainMBps = 0;
    double mainCpuMs = 0;
    double rssGrowthMB = 0;
    double clickMaxMs = 0;
    double clickP99Ms = 0;
    int clicks = 0;
    double viewUpdatesPerS = 0;
};

class NoMessageBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *, Icon, Buttons, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "bench_monitor: unexpected message: %s\n", qPrintable(text));
        std::exit(2);
    }
};

class NoFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         QString *) override
    {
        return {};
    }
};

// The real port, counting what the main window takes out of it.
class CountingPort : public QtSerialPort
{
public:
    QByteArray Input() override
    {
        QByteArray bytes = QtSerialPort::Input();
        read += bytes.size();
        return bytes;
    }
    qsizetype read = 0;
};

double residentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// CPU time of the calling thread, user and system: what draining costs the user-interface thread,
// whatever else the machine is doing meanwhile.
double threadCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_THREAD, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench_monitor: %s: %s\n", what, std::strerror(errno));
    std::exit(2);
}

// A raw pseudo-terminal; returns the blocking master side, *slave gets the device path.
int openPseudoTerminal(QString *slave)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        fail("posix_openpt");
    *slave = QString::fromLocal8Bit(ptsname(master));
    const int fd = ::open(ptsname(master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio {};
    if (fd < 0 || tcgetattr(fd, &tio) != 0)
        fail("open slave");
    cfmakeraw(&tio);
    if (tcsetattr(fd, TCSANOW, &tio) != 0)
        fail("tcsetattr");
    ::close(fd);
    return master;
}

Figures runScenario(const Scenario &scenario)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QString slave;
    const int master = openPseudoTerminal(&slave);
    if (!QDir().mkpath(PortMap::linkDirectory()) || !QFile::link(slave, PortMap::linkPath(1)))
        fail("link port 1");

    CountingPort realPort;
    TrafficRecorder recorder;
    RecordingSerialPort recordingPort(realPort, recorder);
    SerialPort &port = scenario.recorder ? static_cast<SerialPort &>(recordingPort) : realPort;
    NoMessageBoxes boxes;
    NoFileDialogs saveDialog;
    QtDataFiles files;
    QtAppendFile logFile;
    TrafficLog log(recorder, logFile);
    frmMotorControl main(port, boxes);
    main.show();
    std::unique_ptr<frmSerialMonitor> monitor;
    int viewUpdates = 0;
    if (scenario.monitor) {
        monitor = std::make_unique<frmSerialMonitor>(recorder, log, saveDialog, files, boxes);
        monitor->show();
        QObject::connect(monitor->findChild<QListView *>()->model(),
                         &QAbstractItemModel::rowsInserted, [&] { ++viewUpdates; });
    }
    auto *button = main.findChild<QPushButton *>(QStringLiteral("btnCalibReset"));
    // The windows are laid out and painted once before the flood, as they would be long before
    // one comes.
    QElapsedTimer settling;
    settling.start();
    while (settling.elapsed() < 300)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    QByteArray flood(kFloodBytes, Qt::Uninitialized);
    std::mt19937 random(15);
    for (char &byte : flood)
        byte = char(random() & 0xff);

    // Clicks: the clicker posts one, and the next 10 ms after the button has taken it.
    QElapsedTimer clock;
    std::atomic<qint64> postedAt { -1 };
    std::atomic<bool> stop { false };
    std::vector<double> latencies;
    QObject::connect(button, &QPushButton::clicked, [&] {
        latencies.push_back(double(clock.nsecsElapsed() - postedAt.exchange(-1)) / 1e6);
    });
    // Events are made here, on the thread that owns the pointing device (a QMouseEvent touches its
    // state), and only posted from the clicker's.
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    std::vector<QMouseEvent *> presses, releases;
    for (size_t i = 0; i < kMaxClicks; ++i) {
        presses.push_back(new QMouseEvent(QEvent::MouseButtonPress, centre, centre, global,
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        releases.push_back(new QMouseEvent(QEvent::MouseButtonRelease, centre, centre, global,
                                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    size_t posted = 0;

    const double rssBefore = residentMB();
    double rssPeak = rssBefore;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { rssPeak = std::max(rssPeak, residentMB()); });
    sampler.start(20);

    const double cpuBefore = threadCpuMs();
    clock.start();
    std::thread writer([&] {
        for (qsizetype done = 0; done < flood.size();) {
            const ssize_t n = ::write(master, flood.constData() + done,
                                      size_t(std::min<qsizetype>(65536, flood.size() - done)));
            if (n < 0 && errno != EINTR)
                fail("write to the pseudo-terminal");
            done += std::max<ssize_t>(n, 0);
        }
    });
    std::thread clicker([&] {
        while (!stop && posted < presses.size()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(kClickEveryMs));
            if (postedAt.load() >= 0)
                continue;
            postedAt = clock.nsecsElapsed();
            QCoreApplication::postEvent(button, presses[posted]);
            QCoreApplication::postEvent(button, releases[posted]);
            ++posted;
        }
    });

    qint64 drainedAt = 0;
    while (realPort.read < kFloodBytes) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        if (clock.elapsed() > 120'000) {
            std::fprintf(stderr, "bench_monitor: the flood was not drained within 120 s\n");
            std::exit(2);
        }
    }
    drainedAt = clock.nsecsElapsed();
    const double cpuUsed = threadCpuMs() - cpuBefore;
    rssPeak = std::max(rssPeak, residentMB());
    stop = true;
    clicker.join();
    writer.join();
    // A click still on its way is answered now; it belongs to the flood. The events never posted
    // are still ours.
    QApplication::processEvents();
    for (size_t i = posted; i < presses.size(); ++i) {
        delete presses[i];
        delete releases[i];
    }
    ::close(master);

    Figures figures;
    const double seconds = double(drainedAt) / 1e9;
    figures.drainMBps = double(kFloodBytes) / (1024.0 * 1024.0) / seconds;
    figures.mainCpuMs = cpuUsed;
    figures.rssGrowthMB = rssPeak - rssBefore;
    std::sort(latencies.begin(), latencies.end());
    figures.clicks = int(latencies.size());
    if (!latencies.empty()) {
        figures.clickMaxMs = latencies.back();
        figures.clickP99Ms
            = latencies[std::min(latencies.size() - 1, size_t(double(latencies.size()) * 0.99))];
    }
    figures.viewUpdatesPerS = double(viewUpdates) / seconds;
    return figures;
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();

    if (const qsizetype at = args.indexOf(QStringLiteral("--scenario")); at > 0) {
        const QString name = args.value(at + 1);
        for (const Scenario &scenario : kScenarios) {
            if (name == QLatin1String(scenario.name)) {
                const Figures f = runScenario(scenario);
                std::printf("%.1f %.2f %.2f %.2f %d %.1f %.1f\n", f.drainMBps, f.rssGrowthMB,
                            f.clickMaxMs, f.clickP99Ms, f.clicks, f.viewUpdatesPerS, f.mainCpuMs);
                return 0;
            }
        }
        std::fprintf(stderr, "bench_monitor: no scenario %s\n", qPrintable(name));
        return 2;
    }

    int runs = 7;
    if (const qsizetype at = args.indexOf(QStringLiteral("--runs")); at > 0)
        runs = std::max(1, args.value(at + 1).toInt());

    std::printf("Serial monitor: %lld MB of random bytes through a pseudo-terminal, median of %d "
                "runs (click max: worst of all runs)\n",
                kFloodBytes / (1024 * 1024), runs);
    std::printf("| %-26s | %10s | %11s | %13s | %12s | %12s | %6s | %14s |\n", "flood",
                "drain MB/s", "main CPU ms", "RSS growth MB", "click max ms", "click p99 ms",
                "clicks", "view updates/s");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|%s|\n", QByteArray(28, '-').constData(),
                QByteArray(12, '-').constData(), QByteArray(13, '-').constData(),
                QByteArray(15, '-').constData(), QByteArray(14, '-').constData(),
                QByteArray(14, '-').constData(), QByteArray(8, '-').constData(),
                QByteArray(16, '-').constData());
    struct Runs
    {
        std::vector<double> drain, rss, p99, updates, cpu;
        std::vector<int> clicks;
        double worstClick = 0;
    };
    Runs results[std::size(kScenarios)];
    // Round by round, so that a change in the machine's load falls on every way alike.
    for (int run = 0; run < runs; ++run) {
        for (size_t i = 0; i < std::size(kScenarios); ++i) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(QApplication::applicationFilePath(),
                        { QStringLiteral("--scenario"), QLatin1String(kScenarios[i].name) });
            if (!child.waitForFinished(180'000) || child.exitCode() != 0) {
                std::fprintf(stderr, "bench_monitor: the %s run failed\n", kScenarios[i].name);
                return 2;
            }
            const QList<QByteArray> f = child.readAllStandardOutput().simplified().split(' ');
            Runs &r = results[i];
            r.drain.push_back(f.value(0).toDouble());
            r.rss.push_back(f.value(1).toDouble());
            r.worstClick = std::max(r.worstClick, f.value(2).toDouble());
            r.p99.push_back(f.value(3).toDouble());
            r.clicks.push_back(f.value(4).toInt());
            r.updates.push_back(f.value(5).toDouble());
            r.cpu.push_back(f.value(6).toDouble());
        }
    }
    // A benchmark reports; it never fails on a number. Figures over their targets are marked.
    for (size_t i = 0; i < std::size(kScenarios); ++i) {
        const Runs &r = results[i];
        const bool over = kScenarios[i].recorder && (median(r.rss) >= 5.0 || r.worstClick > 50.0);
        std::printf("| %-26s | %10.1f | %11.1f | %13.2f | %12.2f | %12.2f | %6d | %14.1f |%s\n",
                    kScenarios[i].title, median(r.drain), median(r.cpu), median(r.rss),
                    r.worstClick, median(r.p99), median(r.clicks), median(r.updates),
                    over ? " OVER" : "");
    }
    std::printf("Targets with the recorder: RSS growth < 5 MB, every click within 50 ms, view "
                "updates <= ~30/s; drain as the baseline.\n");
    return 0;
}
