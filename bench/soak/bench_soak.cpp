// A soak: Tiltbench as main() starts it (ProgramServices and WindowManager: the traffic recorder,
// the reconnect watch, the results session), on a pseudo-terminal this program plays, used
// without let-up for ten minutes, a round every 100 ms, while its resident memory is read after
// every round:
//
//   every round        a move up and a move down (the six commands read at the device, an answer
//                      line for each);
//   every 10th round   a trial in the Friction Calculator (some 400 in the ten minutes);
//   every 5th round    the Serial Monitor opened, a flood of 256 KiB drained through it and into
//                      its log, the monitor closed;
//   every 7th round    the adapter unplugged, and back as a new terminal behind the link;
//   every 25th round   the Results window (its table) opened and closed, the calculator closed;
//   throughout         the monitor's log to a file, begun afresh every 200 rounds.
//
// The first fifth of the time is the warm-up, in which every window has been opened and the
// traffic record has filled; from then on the resident memory should stay within 2 MiB of where
// it was. Beside it stands the heap in use (mallinfo2), which tells memory that is kept (a leak,
// or data that grows) from memory the allocator holds on to. The trials are data the program
// keeps for the day (some 300 bytes each with the Results table); the plot, which holds a chart
// series per error bar while it is shown, stays closed.
//
//   bench_soak [--quick] [--seconds N] [--trace]
//
// --quick (or TILTBENCH_BENCH_QUICK=1, as scripts/bench --quick sets it) runs for 30 s; --trace
// prints the resident memory and the heap every two seconds on standard error.

#include "appinfo.h"
#include "filedialogs.h"
#include "frmcalculate.h"
#include "frmmotorcontrol.h"
#include "frmresults.h"
#include "frmserialmonitor.h"
#include "portmap.h"
#include "portmapwriter.h"
#include "procstatus.h"
#include "programservices.h"
#include "ptydevice.h"
#include "recordingmessageboxes.h"
#include "serialport.h"
#include "windowmanager.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>

namespace {

constexpr double kBudgetMiB = 2.0;
constexpr qint64 kFloodBytes = 256 * 1024;
// A round starts this long after the one before ended: the program's event loop runs in between,
// as it does between an operator's clicks, only much sooner.
constexpr int kRoundMs = 100;

// Save dialogs that answer with the next name of their script.
class ScriptedFileDialogs : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         QString *) override
    {
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    QStringList names;
};

[[noreturn]] void fail(const QString &what)
{
    std::fprintf(stderr, "bench_soak: %s\n", qPrintable(what));
    std::exit(2);
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

double mebibytes(qint64 kibibytes)
{
    return double(kibibytes) / 1024.0;
}

// Everything malloc has handed out and not had back, in its arenas and in blocks of their own.
double heapInUseMiB()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

struct Counts
{
    int rounds = 0;
    int moves = 0;
    int trials = 0;
    int floods = 0;
    int reconnects = 0;
    int logs = 0;
};

class Soak
{
public:
    Soak(WindowManager &windows, SerialPort &port, ScriptedFileDialogs &dialogs,
         const QString &logFolder)
        : m_windows(windows)
        , m_port(port)
        , m_dialogs(dialogs)
        , m_logFolder(logFolder)
    {
    }

    void round(std::unique_ptr<PtyDevice> &device);
    const Counts &counts() const { return m_counts; }

private:
    frmMotorControl *main() const { return m_windows.mainWindow(); }
    void move(PtyDevice &device, const char *button);
    void trial();
    void flood(PtyDevice &device);
    void reconnect(std::unique_ptr<PtyDevice> &device);
    void results();
    void restartLog();

    WindowManager &m_windows;
    SerialPort &m_port;
    ScriptedFileDialogs &m_dialogs;
    QString m_logFolder;
    Counts m_counts;
    bool m_logging = false;
};

void Soak::move(PtyDevice &device, const char *button)
{
    QTest::mouseClick(main()->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    if (device.readCommands(6, 5000).count('\r') < 6)
        fail(QStringLiteral("the six commands of a move did not arrive"));
    for (int i = 0; i < 6; ++i)
        device.write("*\r\n");
    ++m_counts.moves;
}

void Soak::trial()
{
    main()->mnuToolsCalc->trigger();
    frmCalculate *calculator = m_windows.calculator();
    auto *angle = calculator->findChild<QLineEdit *>(QStringLiteral("txtStaticAngle"));
    angle->selectAll();
    QTest::keyClicks(angle, QString::number(20 + m_counts.trials % 10) + QStringLiteral(".228"));
    QTest::keyClick(angle, Qt::Key_Return);
    ++m_counts.trials;
}

void Soak::flood(PtyDevice &device)
{
    main()->mnuToolsMonitor->trigger();
    frmSerialMonitor *monitor = m_windows.serialMonitor();
    if (!m_logging)
        restartLog();
    if (!device.flood(kFloodBytes, 20000).drained)
        fail(QStringLiteral("a flood was not drained"));
    // The view catches up, as it does some 30 times a second.
    QTest::qWait(2 * frmSerialMonitor::kRefreshMs);
    monitor->close();
    ++m_counts.floods;
}

void Soak::restartLog()
{
    frmSerialMonitor *monitor = m_windows.serialMonitor();
    auto *button = monitor->findChild<QPushButton *>(QStringLiteral("btnLog"));
    if (m_logging)
        QTest::mouseClick(button, Qt::LeftButton);
    // The file of the log before is done with; the disk need not fill up.
    const QString path = m_logFolder + QStringLiteral("/soak-%1.log").arg(m_counts.logs % 2);
    QFile::remove(path);
    m_dialogs.names = { path };
    QTest::mouseClick(button, Qt::LeftButton);
    m_logging = true;
    ++m_counts.logs;
}

void Soak::reconnect(std::unique_ptr<PtyDevice> &device)
{
    // The new terminal exists before the old one goes, so the old one's number is not reused.
    auto next = std::make_unique<PtyDevice>();
    if (!next->isValid())
        fail(next->errorString());
    device.reset();
    if (!waitFor([this] { return !m_port.PortOpen(); }))
        fail(QStringLiteral("the port did not notice the unplug"));
    if (PortMapWriter::setDevice(1, next->slavePath()).outcome != PortMapWriter::Outcome::Linked)
        fail(QStringLiteral("the link could not be re-pointed"));
    const QString slave = next->slavePath();
    if (!waitFor([this, &slave] { return m_port.PortOpen() && m_port.devicePath() == slave; }))
        fail(QStringLiteral("the port did not come back"));
    device = std::move(next);
    ++m_counts.reconnects;
}

void Soak::results()
{
    main()->mnuToolsResults->trigger();
    QCoreApplication::processEvents();
    if (QWidget *window = m_windows.results())
        window->close();
    if (QWidget *calculator = m_windows.calculator())
        calculator->close();
}

void Soak::round(std::unique_ptr<PtyDevice> &device)
{
    const int n = ++m_counts.rounds;
    move(*device, "btnUp");
    move(*device, "btnDown");
    if (n % 10 == 1)
        trial();
    if (n % 5 == 2)
        flood(*device);
    if (n % 7 == 3)
        reconnect(device);
    if (n % 25 == 4)
        results();
    if (n % 200 == 0) {
        main()->mnuToolsMonitor->trigger();
        restartLog();
        m_windows.serialMonitor()->close();
    }
}

void row(const char *what, const QString &value, const QString &note = {})
{
    std::printf("| %s | %s | %s |\n", what, qPrintable(value), qPrintable(note));
}

// The offscreen platform's notes about what it cannot do are no news here.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A private port map and data folder: the user's own are never touched.
    QTemporaryDir config, data, logs;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));

    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setOrganizationName(AppInfo::title());
    const QStringList arguments = app.arguments();
    const bool quick = arguments.contains(QStringLiteral("--quick"))
        || qEnvironmentVariable("TILTBENCH_BENCH_QUICK") == QLatin1String("1");
    int seconds = quick ? 30 : 600;
    // RSS and heap every two seconds on standard error.
    const bool trace = arguments.contains(QStringLiteral("--trace"));
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--seconds")); at > 0)
        seconds = qMax(5, arguments.value(at + 1).toInt());

    auto device = std::make_unique<PtyDevice>();
    if (!config.isValid() || !data.isValid() || !logs.isValid() || !device->isValid())
        fail(QStringLiteral("no pseudo-terminal or temporary folder: ") + device->errorString());
    if (!QDir().mkpath(PortMap::linkDirectory())
        || PortMapWriter::setDevice(1, device->slavePath()).outcome
            != PortMapWriter::Outcome::Linked)
        fail(QStringLiteral("cannot link port 1"));

    RecordingMessageBoxes boxes;
    ScriptedFileDialogs dialogs;
    ProgramServices program(&boxes, &dialogs);
    const Services services = program.services();
    WindowManager windows(services);
    windows.start();
    if (!QTest::qWaitForWindowExposed(windows.mainWindow()) || !services.port.PortOpen())
        fail(QStringLiteral("Tiltbench did not start on port 1: ") + boxes.texts().join(u' '));

    Soak soak(windows, services.port, dialogs, logs.path());
    const qint64 warmUpMs = qint64(seconds) * 1000 / 5;
    QElapsedTimer clock;
    clock.start();
    const double startMiB = mebibytes(ProcStatus::kibibytes(0, "VmRSS"));
    double warmMiB = 0, highestMiB = 0, warmSeconds = 0;
    // The least heap in use over the first and the last tenth of the time after the warm-up: the
    // heap also holds what a round is still busy with (a monitor closing, rows on their way to
    // the log), and its least value is what stays.
    double firstHeapMiB = 1e9, lastHeapMiB = 1e9;
    const qint64 spanMs = qint64(seconds) * 1000 / 10;
    bool warm = false;
    // One round at each turn of the program's own event loop, which in between deletes what the
    // round closed, as it does for the operator.
    QTimer rounds;
    QObject::connect(&rounds, &QTimer::timeout, &app, [&] {
        if (clock.elapsed() >= qint64(seconds) * 1000) {
            rounds.stop();
            QCoreApplication::quit();
            return;
        }
        soak.round(device);
        const double rss = mebibytes(ProcStatus::kibibytes(0, "VmRSS"));
        if (!warm && clock.elapsed() >= warmUpMs && soak.counts().rounds >= 3) {
            warm = true;
            warmMiB = rss;
            warmSeconds = double(clock.elapsed()) / 1000;
        }
        if (warm) {
            highestMiB = std::max(highestMiB, rss);
            const qint64 now = clock.elapsed();
            if (now < qint64(warmSeconds * 1000) + spanMs)
                firstHeapMiB = std::min(firstHeapMiB, heapInUseMiB());
            if (now >= qint64(seconds) * 1000 - spanMs)
                lastHeapMiB = std::min(lastHeapMiB, heapInUseMiB());
        }
        static qint64 lastTrace = 0;
        if (trace && clock.elapsed() - lastTrace >= 2000) {
            lastTrace = clock.elapsed();
            std::fprintf(stderr, "%6.1f s %5d rounds  RSS %6.1f MiB  heap %6.2f MiB\n",
                         double(lastTrace) / 1000, soak.counts().rounds, rss, heapInUseMiB());
        }
    });
    rounds.start(kRoundMs);
    QApplication::exec();
    const double endMiB = mebibytes(ProcStatus::kibibytes(0, "VmRSS"));
    if (!warm)
        fail(QStringLiteral("the soak ended before its warm-up did"));
    // A box means something refused; the soak's figures would not be of normal use.
    if (!boxes.texts().isEmpty())
        fail(QStringLiteral("unexpected message: ") + boxes.texts().constFirst());

    const Counts &c = soak.counts();
    const double growth = highestMiB - warmMiB;
    std::printf("| soak: %d s, %d rounds | MiB | |\n", seconds, c.rounds);
    std::printf("| --- | ---: | --- |\n");
    row("RSS at start", QString::number(startMiB, 'f', 1));
    row("RSS after warm-up", QString::number(warmMiB, 'f', 1),
        QStringLiteral("at %1 s").arg(warmSeconds, 0, 'f', 0));
    row("RSS at the end", QString::number(endMiB, 'f', 1));
    row("highest RSS after warm-up, less RSS after warm-up", QString::number(growth, 'f', 2),
        QStringLiteral("budget %1 MiB: %2")
            .arg(kBudgetMiB, 0, 'f', 0)
            .arg(growth <= kBudgetMiB ? QStringLiteral("ok") : QStringLiteral("OVER")));
    row("least heap in use, first tenth after warm-up", QString::number(firstHeapMiB, 'f', 2));
    row("least heap in use, last tenth", QString::number(lastHeapMiB, 'f', 2),
        QStringLiteral("%1 MiB more").arg(lastHeapMiB - firstHeapMiB, 0, 'f', 2));
    std::printf("\n%d moves, %d trials, %d floods of %lld KiB through the monitor, %d reconnects, "
                "%d logs to a file\n",
                c.moves, c.trials, c.floods, kFloodBytes / 1024, c.reconnects, c.logs);
    return 0;
}
