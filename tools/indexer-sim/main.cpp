#include "indexersimulator.h"
#include "portlink.h"
#include "portmap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tiltbench-indexer-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILTBENCH_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A simulated motor indexer on a pseudo-terminal, published as a Tiltbench port.\n"
        "Logs every command and move on standard output; ends on Ctrl+C or SIGTERM."));
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
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the noise, for a repeatable run."),
                                        QStringLiteral("n"));
    parser.addOptions({ portOption, linkOption, stepsOption, echoOption, noiseOption, seedOption });
    parser.process(app);

    if (parser.isSet(portOption) && parser.isSet(linkOption))
        return fail(QStringLiteral("give --port or --link, not both"), 2);
    const int port = positiveNumber(parser, QStringLiteral("port"), 1);
    if (port < 0)
        return fail(QStringLiteral("--port needs a number of 1 or more"), 2);

    IndexerSimulator::Options options;
    options.stepsPerRevolution = positiveNumber(parser, QStringLiteral("steps-per-rev"), 1);
    if (options.stepsPerRevolution < 0)
        return fail(QStringLiteral("--steps-per-rev needs a number of 1 or more"), 2);
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

    if (!installQuitSignals())
        return fail(QStringLiteral("cannot set up the signal handlers"));

    IndexerSimulator simulator(options);
    const QString error = simulator.open();
    if (!error.isEmpty())
        return fail(error);

    const bool custom = parser.isSet(linkOption);
    PortLink link(custom ? parser.value(linkOption) : PortMap::linkPath(port));
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

    simulator.log(QStringLiteral("listening port=%1 device=%2 link=%3 steps-per-rev=%4 echo=%5 "
                                 "noise=%6")
                      .arg(custom ? QStringLiteral("-") : QString::number(port),
                           simulator.devicePath(), link.path())
                      .arg(options.stepsPerRevolution)
                      .arg(options.echo ? QStringLiteral("on") : QStringLiteral("off"))
                      .arg(options.noiseBytesPerSecond));
    const int code = app.exec();
    link.remove();
    simulator.log(QStringLiteral("exit"));
    return code;
}
