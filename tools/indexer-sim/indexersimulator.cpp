#include "indexersimulator.h"

#include "terminalline.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kMoveTickMs = 50;
constexpr int kNoiseTickMs = 50;
// How often the line settings are looked at when nothing arrives, so that a change is logged
// (and shown) promptly.
constexpr int kLineCheckMs = 200;
// A noise burst larger than this per tick is cut, so that a huge rate cannot eat the memory.
constexpr int kMaxNoiseChunk = 64 * 1024;
// After a hang-up the master is looked at again this much later instead of spinning.
constexpr int kHangUpRetryMs = 500;

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

IndexerSimulator::IndexerSimulator(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_ramp(options.ramp)
    , m_random(options.seed ? *options.seed : QRandomGenerator::global()->generate())
{
    m_clock.start();
    m_moveTimer.setInterval(kMoveTickMs);
    connect(&m_moveTimer, &QTimer::timeout, this, &IndexerSimulator::tick);
    m_noiseTimer.setInterval(kNoiseTickMs);
    connect(&m_noiseTimer, &QTimer::timeout, this, &IndexerSimulator::sendNoise);
    m_lineTimer.setInterval(kLineCheckMs);
    connect(&m_lineTimer, &QTimer::timeout, this, &IndexerSimulator::checkLine);
}

IndexerSimulator::~IndexerSimulator()
{
    delete m_readNotifier;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QString IndexerSimulator::open()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0)
        return systemError("cannot open a pseudo-terminal");
    if (::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK) != 0
        || ::fcntl(m_master, F_SETFD, FD_CLOEXEC) != 0)
        return systemError("cannot set up the pseudo-terminal");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return systemError("cannot unlock the pseudo-terminal");
    const char *name = ::ptsname(m_master);
    if (!name)
        return systemError("cannot name the pseudo-terminal");
    m_devicePath = QString::fromLocal8Bit(name);

    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0)
        return systemError("cannot open the pseudo-terminal's device");
    // Raw, so that carriage returns and every other byte pass unchanged and nothing is echoed by
    // the terminal itself; and on the indexer's line settings, so that a program that sets none
    // finds the line as it should be.
    struct termios settings = {};
    if (::tcgetattr(m_slave, &settings) != 0)
        return systemError("cannot read the terminal settings");
    ::cfmakeraw(&settings);
    if (::tcsetattr(m_slave, TCSANOW, &settings) != 0)
        return systemError("cannot set the terminal to raw");
    if (!TerminalLine::write(m_slave, m_options.line))
        return systemError("cannot set the line settings");
    m_programLine = m_options.line;
    m_lineTimer.start();

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &IndexerSimulator::readMaster);

    if (m_options.noiseBytesPerSecond > 0) {
        m_lastNoise = now();
        m_noiseTimer.start();
    }
    return {};
}

double IndexerSimulator::now() const
{
    return static_cast<double>(m_clock.nsecsElapsed()) / 1e9;
}

void IndexerSimulator::log(const QString &text)
{
    writeLine(now(), text);
}

void IndexerSimulator::writeLine(double time, const QString &text)
{
    const QByteArray line = QStringLiteral("%1 %2\n").arg(time, 8, 'f', 3).arg(text).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stdout);
    std::fflush(stdout);
}

void IndexerSimulator::report(const QList<IndexerEvent> &events)
{
    for (const IndexerEvent &event : events) {
        writeLine(event.time, event.text);
        if (m_options.echo && !event.bytes.isEmpty())
            writeMaster(event.bytes);
    }
    if (m_ramp.isBusy() && !m_moveTimer.isActive())
        m_moveTimer.start();
    else if (!m_ramp.isBusy())
        m_moveTimer.stop();
    emit changed();
}

void IndexerSimulator::placeBlock()
{
    report(m_ramp.placeBlock(now()));
}

void IndexerSimulator::checkLine()
{
    const std::optional<LineSettings> line = TerminalLine::read(m_slave);
    if (!line || line == m_programLine)
        return;
    m_programLine = line;
    if (lineMatches())
        log(QStringLiteral("line-match settings=%1").arg(line->toText()));
    else
        log(QStringLiteral("line-mismatch program=%1 indexer=%2")
                .arg(line->toText(), m_options.line.toText()));
    emit changed();
}

void IndexerSimulator::readMaster()
{
    char buffer[4096];
    for (;;) {
        const ssize_t count = ::read(m_master, buffer, sizeof buffer);
        if (count > 0) {
            // The program sets its line before it writes, so the settings read now are the ones
            // these bytes were sent with.
            checkLine();
            if (lineMatches())
                report(m_ramp.receive(QByteArray(buffer, count), now()));
            else
                log(QStringLiteral("noise bytes=%1").arg(count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        // Hung up or failed: should not happen while the slave is held open, but if it does, the
        // notifier would fire continuously, so pause it for a while.
        m_readNotifier->setEnabled(false);
        QTimer::singleShot(kHangUpRetryMs, this, [this] { m_readNotifier->setEnabled(true); });
        return;
    }
}

void IndexerSimulator::tick()
{
    report(m_ramp.advance(now()));
}

void IndexerSimulator::writeMaster(const QByteArray &bytes)
{
    // Bytes that nobody reads wait in the terminal's buffers (several kilobytes, depending on the
    // kernel) and reach the next program that opens the device; only what no longer fits is
    // dropped, so that a full terminal never blocks the simulator.
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t count
            = ::write(m_master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (count > 0)
            done += count;
        else if (count < 0 && errno == EINTR)
            continue;
        else
            return;
    }
}

void IndexerSimulator::sendNoise()
{
    const double time = now();
    m_noiseOwed += (time - m_lastNoise) * m_options.noiseBytesPerSecond;
    m_lastNoise = time;
    const int count = static_cast<int>(std::min<double>(m_noiseOwed, kMaxNoiseChunk));
    if (count <= 0)
        return;
    m_noiseOwed -= count;
    if (m_noiseOwed > kMaxNoiseChunk)
        m_noiseOwed = 0;

    QByteArray noise(count, Qt::Uninitialized);
    for (char &byte : noise)
        byte = static_cast<char>(m_random.bounded(256));
    writeMaster(noise);
}
