#include "indexersimulator.h"
#include "linklock.h"
#include "portlink.h"
#include "portmap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSocketNotifier>

#ifdef TILTBENCH_SIM_WINDOW
#include "rampwindow.h"
#include "translations.h"

#include <QApplication>
#include <QScreen>
#endif

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// Signals arrive through a pipe, so that the event loop ends normally and the link is removed by
// ordinary code rather than inside a signal handler.
int quitPipe[2] = { -1, -1 };

void onQuitSignal(int number)
{
    // The handler may interrupt code that is about to read errno.
    const int savedErrno = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
    errno = savedErrno;
}

bool installQuitSignals()
{
    if (::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    // Calls the signal interrupts carry on instead of failing with EINTR.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int number : { SIGINT, SIGTERM, SIGHUP }) {
        if (::sigaction(number, &action, nullptr) != 0)
            return false;
    }
    // A closed log pipe must not end the simulator without removing its link.
    std::signal(SIGPIPE, SIG_IGN);
    return true;
}

int fail(const QString &message, int code = 1)
{
    std::fprintf(stderr, "tiltbench-indexer-sim: %s\n", qPrintable(message));
    return code;
}

int positiveNumber(const QCommandLineParser &parser, const QString &option, int minimum)
{
    bool ok = false;
    const int value = parser.value(option).toInt(&ok);
    return ok && value >= minimum ? value : -1;
}

// A decimal number above `above` (or from it, when `orEqual`); nothing otherwise.
std::optional<double> decimal(const QCommandLineParser &parser, const QString &option, double above,
                              bool orEqual = false)
{
    bool ok = false;
    const double value = parser.value(option).toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < above || (!orEqual && value == above))
        return std::nullopt;
    return value;
}

// Coefficients a class cannot guess: µs from 0.25 to 0.75 (the block slides between 14 and 37
// degrees, below the ramp's default top), µk from 40 to 90 per cent of it, in thousandths.
void pickHidden(quint32 seed, SlidingBlock::Options *block)
{
    QRandomGenerator random(seed);
    block->muStatic = std::round((0.25 + 0.5 * random.generateDouble()) * 1000) / 1000;
    block->muKinetic
        = std::round(block->muStatic * (0.4 + 0.5 * random.generateDouble()) * 1000) / 1000;
}

bool wantsWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--window") == 0)
            return true;
    }
    return false;
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

int main(int argc, char *argv[])
{
    // The window needs a QApplication, which needs a display; the console simulator does not.
    [[maybe_unused]] const bool window = wantsWindow(argc, argv);
#ifdef TILTBENCH_SIM_WINDOW
    const std::unique_ptr<QCoreApplication> application = window
        ? std::make_unique<QApplication>(argc, argv)
        : std::make_unique<QCoreApplication>(argc, argv);
#else
    const auto application = std::make_unique<QCoreApplication>(argc, argv);
#endif
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("tiltbench-indexer-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILTBENCH_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated motor indexer on a pseudo-terminal, published as a Tiltbench port. Its motor\n"
        "tilts a virtual ramp with a block and a photogate: the whole friction trial without\n"
        "hardware. Logs every command, move, slide and gate time on standard output; ends on\n"
        "Ctrl+C or SIGTERM."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Publish as port <n> of the per-user port map (default 1)."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption linkOption(
        QStringLiteral("link"), QStringLiteral("Publish as the symbolic link <path> instead."),
        QStringLiteral("path"));
    const QCommandLineOption stepsOption(
        QStringLiteral("steps-per-rev"),
        QStringLiteral("Motor steps per revolution (default 25000)."), QStringLiteral("n"),
        QString::number(IndexerModel::kDefaultStepsPerRevolution));
    const QCommandLineOption echoOption(QStringLiteral("echo"),
                                        QStringLiteral("Send every command received back."));
    const QCommandLineOption noiseOption(QStringLiteral("noise"),
                                         QStringLiteral("Send random bytes at <rate> per second."),
                                         QStringLiteral("rate"), QStringLiteral("0"));
    const QCommandLineOption seedOption(
        QStringLiteral("seed"),
        QStringLiteral("Seed of the noise, the gate noise and --hidden, for a repeatable run."),
        QStringLiteral("n"));
    const QCommandLineOption stepsPerDegreeOption(
        QStringLiteral("steps-per-degree"),
        QStringLiteral("Motor steps per degree of ramp tilt (default 25000)."), QStringLiteral("n"),
        QStringLiteral("25000"));
    const QCommandLineOption maxAngleOption(
        QStringLiteral("max-angle"),
        QStringLiteral("Angle of the ramp's top limit switch in degrees (default 45)."),
        QStringLiteral("deg"), QStringLiteral("45"));
    const QCommandLineOption blockLengthOption(
        QStringLiteral("block-length"), QStringLiteral("Length of the block in cm (default 5)."),
        QStringLiteral("cm"), QStringLiteral("5"));
    const QCommandLineOption muStaticOption(
        QStringLiteral("mu-static"),
        QStringLiteral("The block's coefficient of static friction (default 0.45)."),
        QStringLiteral("mu"), QStringLiteral("0.45"));
    const QCommandLineOption muKineticOption(
        QStringLiteral("mu-kinetic"),
        QStringLiteral("The block's coefficient of kinetic friction (default 0.32)."),
        QStringLiteral("mu"), QStringLiteral("0.32"));
    const QCommandLineOption hiddenOption(
        QStringLiteral("hidden"),
        QStringLiteral("Pick both coefficients at random from the seed (kinetic below static) and "
                       "show them only when the simulator ends."));
    const QCommandLineOption gravityOption(
        QStringLiteral("g"),
        QStringLiteral("Gravitational acceleration in m/s^2 (default 9.80665)."),
        QStringLiteral("m/s2"), QStringLiteral("9.80665"));
    const QCommandLineOption gateNoiseOption(
        QStringLiteral("gate-noise-ms"),
        QStringLiteral("Standard deviation of Gaussian noise on the photogate time (default 0)."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption lineOption(
        QStringLiteral("line"),
        QStringLiteral("The indexer's line settings (default 9600,N,8,1). While the program's "
                       "differ, nothing it sends is understood. A pseudo-terminal carries only "
                       "speed and stop bits, so parity is N and data bits 8."),
        QStringLiteral("settings"), QStringLiteral("9600,N,8,1"));
    const QCommandLineOption windowOption(
        QStringLiteral("window"),
        QStringLiteral("Open the \"Tiltbench Virtual Ramp\" window, which draws the ramp."));
    parser.addOptions({ portOption, linkOption, stepsOption, echoOption, noiseOption, seedOption,
                        stepsPerDegreeOption, maxAngleOption, blockLengthOption, muStaticOption,
                        muKineticOption, hiddenOption, gravityOption, gateNoiseOption, lineOption,
                        windowOption });
    parser.process(app);

    if (parser.isSet(portOption) && parser.isSet(linkOption))
        return fail(QStringLiteral("give --port or --link, not both"), 2);
    const int port = positiveNumber(parser, QStringLiteral("port"), 1);
    if (port < 0)
        return fail(QStringLiteral("--port needs a number of 1 or more"), 2);

    IndexerSimulator::Options options;
    options.ramp.stepsPerRevolution = positiveNumber(parser, QStringLiteral("steps-per-rev"), 1);
    if (options.ramp.stepsPerRevolution < 0)
        return fail(QStringLiteral("--steps-per-rev needs a number of 1 or more"), 2);
    options.ramp.ramp.stepsPerDegree
        = positiveNumber(parser, QStringLiteral("steps-per-degree"), 1);
    if (options.ramp.ramp.stepsPerDegree < 0)
        return fail(QStringLiteral("--steps-per-degree needs a number of 1 or more"), 2);
    const auto maxAngle = decimal(parser, QStringLiteral("max-angle"), 0);
    if (!maxAngle || *maxAngle >= 90)
        return fail(QStringLiteral("--max-angle needs a number of degrees above 0 and below 90"),
                    2);
    options.ramp.ramp.maxAngle = *maxAngle;

    SlidingBlock::Options &block = options.ramp.block;
    const auto length = decimal(parser, QStringLiteral("block-length"), 0);
    const auto muStatic = decimal(parser, QStringLiteral("mu-static"), 0, true);
    const auto muKinetic = decimal(parser, QStringLiteral("mu-kinetic"), 0, true);
    const auto gravity = decimal(parser, QStringLiteral("g"), 0);
    const auto gateNoise = decimal(parser, QStringLiteral("gate-noise-ms"), 0, true);
    if (!length)
        return fail(QStringLiteral("--block-length needs a number of cm above 0"), 2);
    if (!muStatic || !muKinetic)
        return fail(QStringLiteral("--mu-static and --mu-kinetic need numbers of 0 or more"), 2);
    if (!gravity)
        return fail(QStringLiteral("--g needs a number above 0"), 2);
    if (!gateNoise)
        return fail(QStringLiteral("--gate-noise-ms needs a number of 0 or more"), 2);
    block.lengthCm = *length;
    block.muStatic = *muStatic;
    block.muKinetic = *muKinetic;
    block.gravity = *gravity;
    block.gateNoiseMs = *gateNoise;
    const bool hidden = parser.isSet(hiddenOption);
    if (hidden && (parser.isSet(muStaticOption) || parser.isSet(muKineticOption)))
        return fail(QStringLiteral("give --hidden or the coefficients, not both"), 2);

    const auto line = LineSettings::parse(parser.value(lineOption));
    if (!line || line->stopBits == LineSettings::StopBits::OnePointFive)
        return fail(QStringLiteral("--line needs settings such as 9600,N,8,1 (1 or 2 stop bits)"),
                    2);
    if (line->parity != 'n' || line->dataBits != 8)
        return fail(QStringLiteral("--line: a pseudo-terminal keeps no parity and always 8 data "
                                   "bits, so only N and 8 can match"),
                    2);
    options.line = *line;
#ifndef TILTBENCH_SIM_WINDOW
    if (window)
        return fail(QStringLiteral("--window: this simulator was built without Qt Widgets"), 2);
#endif
    options.noiseBytesPerSecond = positiveNumber(parser, QStringLiteral("noise"), 0);
    if (options.noiseBytesPerSecond < 0)
        return fail(QStringLiteral("--noise needs a number of bytes per second, 0 or more"), 2);
    options.echo = parser.isSet(echoOption);
    if (parser.isSet(seedOption)) {
        bool ok = false;
        const quint32 seed = parser.value(seedOption).toUInt(&ok);
        if (!ok)
            return fail(QStringLiteral("--seed needs a whole number"), 2);
        options.seed = seed;
    }
    // One seed drives all randomness; each use draws from its own generator, so that turning the
    // byte noise on does not change the hidden coefficients or the gate noise.
    const quint32 seed = options.seed ? *options.seed : QRandomGenerator::global()->generate();
    block.seed = seed + 1;
    if (hidden)
        pickHidden(seed + 2, &block);

    if (!installQuitSignals())
        return fail(QStringLiteral("cannot set up the signal handlers"));

    IndexerSimulator simulator(options);
    const QString error = simulator.open();
    if (!error.isEmpty())
        return fail(error);

    const bool custom = parser.isSet(linkOption);
    const QString linkPath = custom ? parser.value(linkOption) : PortMap::linkPath(port);
    // The lock comes before anything is done to the link, and goes after the link is removed.
    const QString linkFolder = QFileInfo(linkPath).absolutePath();
    if (!QDir().mkpath(linkFolder))
        return fail(QStringLiteral("cannot create the folder %1").arg(linkFolder));
    LinkLock lock(linkPath);
    const LinkLock::Result locked = lock.take();
    if (locked.outcome == LinkLock::Outcome::Held) {
        const QString holder = locked.holder > 0
            ? QStringLiteral("another simulator (process %1)").arg(locked.holder)
            : QStringLiteral("another simulator");
        return fail(QStringLiteral("%1 is in use by %2, which is still running; nothing was "
                                   "changed. End that simulator first, or choose another --port "
                                   "or --link.")
                        .arg(linkPath, holder),
                    2);
    }
    if (locked.outcome == LinkLock::Outcome::Failed) {
        return fail(QStringLiteral("cannot lock %1 (%2); nothing was changed")
                        .arg(lock.path(), locked.cause));
    }
    PortLink link(linkPath);
    const QString refusal = link.publish(simulator.devicePath());
    if (!refusal.isEmpty())
        return fail(refusal
                    + QStringLiteral("; nothing was changed. Remove the link yourself or "
                                     "choose another --port or --link."));

    QSocketNotifier quitNotifier(quitPipe[0], QSocketNotifier::Read);
    QObject::connect(&quitNotifier, &QSocketNotifier::activated, &app, [&] {
        char byte = 0;
        while (::read(quitPipe[0], &byte, 1) > 0) { }
        QCoreApplication::quit();
    });

    simulator.log(QStringLiteral("ramp steps-per-degree=%1 max-angle=%2 block-length=%3 %4 g=%5 "
                                 "gate-noise-ms=%6 line=%7")
                      .arg(options.ramp.ramp.stepsPerDegree)
                      .arg(number(options.ramp.ramp.maxAngle), number(block.lengthCm),
                           hidden ? QStringLiteral("mu-static=hidden mu-kinetic=hidden")
                                  : QStringLiteral("mu-static=%1 mu-kinetic=%2")
                                        .arg(number(block.muStatic), number(block.muKinetic)),
                           number(block.gravity), number(block.gateNoiseMs),
                           options.line.toText()));
    simulator.log(QStringLiteral("listening port=%1 device=%2 link=%3 steps-per-rev=%4 echo=%5 "
                                 "noise=%6")
                      .arg(custom ? QStringLiteral("-") : QString::number(port),
                           simulator.devicePath(), link.path())
                      .arg(options.ramp.stepsPerRevolution)
                      .arg(options.echo ? QStringLiteral("on") : QStringLiteral("off"))
                      .arg(options.noiseBytesPerSecond));
#ifdef TILTBENCH_SIM_WINDOW
    std::unique_ptr<RampWindow> rampWindow;
    if (window) {
        // Only the window speaks the user's language. What goes to the terminal (the help, the
        // errors, the log) stays English: the log is read by scripts, and Qt's own catalogue
        // would turn half of the help German.
        Translations::install(QStringLiteral("tiltbench-indexer-sim"),
                              QStringLiteral(TILTBENCH_TRANSLATIONS_FROM_BIN),
                              QStringLiteral(TILTBENCH_TRANSLATIONS_BUILD_DIR));
        rampWindow = std::make_unique<RampWindow>(simulator);
        // The window only shows the indexer; closing it must not pull the line from under
        // Tiltbench. The simulator still ends on Ctrl+C or SIGTERM.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        // At the top right of the screen, beside Tiltbench rather than on top of it.
        rampWindow->adjustSize();
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect free = screen->availableGeometry();
            rampWindow->move(free.right() - rampWindow->frameGeometry().width(), free.top());
        }
        rampWindow->show();
    }
#endif
    const int code = app.exec();
    link.remove();
    if (hidden)
        simulator.log(QStringLiteral("hidden mu-static=%1 mu-kinetic=%2")
                          .arg(number(block.muStatic), number(block.muKinetic)));
    simulator.log(QStringLiteral("exit"));
    return code;
}
