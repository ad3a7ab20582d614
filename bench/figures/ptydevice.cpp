#include "ptydevice.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

// Writes `total` bytes to the master as fast as the pair takes them; returns how many it took
// before `stop` was set or the line failed.
qint64 offer(int master, qint64 total, const std::atomic<bool> &stop)
{
    // Printable bytes, so that no setting of the line can take one for a control character.
    QByteArray chunk(64 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < chunk.size(); ++i)
        chunk[i] = char('A' + i % 26);

    qint64 done = 0;
    while (done < total && !stop) {
        pollfd pfd { master, POLLOUT, 0 };
        if (::poll(&pfd, 1, 100) <= 0)
            continue; // full: the program has not read yet (or a signal came)
        const qint64 size = std::min<qint64>(chunk.size(), total - done);
        const ssize_t n = ::write(master, chunk.constData(), size_t(size));
        if (n > 0)
            done += n;
        else if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
    }
    return done;
}

} // namespace

PtyDevice::PtyDevice()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) {
        m_error = systemError("posix_openpt");
        return;
    }
    const char *name
        = (grantpt(m_master) == 0 && unlockpt(m_master) == 0) ? ptsname(m_master) : nullptr;
    if (!name) {
        m_error = systemError("grantpt/unlockpt/ptsname");
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) {
        m_error = systemError("open slave");
        return;
    }
    // Raw both ways: the bytes arrive as sent, whoever opens the slave next.
    termios tio {};
    if (tcgetattr(slave, &tio) != 0 || (cfmakeraw(&tio), tcsetattr(slave, TCSANOW, &tio) != 0)) {
        m_error = systemError("tcsetattr");
        ::close(slave);
        return;
    }
    m_slave = slave;
    m_readable = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    m_readable->setEnabled(false);
}

PtyDevice::~PtyDevice()
{
    m_readable.reset();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PtyDevice::write(const QByteArray &bytes)
{
    const ssize_t n = ::write(m_master, bytes.constData(), size_t(bytes.size()));
    return n == bytes.size();
}

QByteArray PtyDevice::readAvailable()
{
    QByteArray result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            result.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return result;
    }
}

int PtyDevice::unreadBytes() const
{
    int count = 0;
    return ::ioctl(m_slave, FIONREAD, &count) == 0 ? count : 0;
}

QByteArray PtyDevice::readCommands(int count, int timeoutMs)
{
    QByteArray received = readAvailable();
    if (received.count('\r') >= count)
        return received;

    QEventLoop loop;
    QObject::connect(m_readable.get(), &QSocketNotifier::activated, &loop, [&] {
        received += readAvailable();
        if (received.count('\r') >= count)
            loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    m_readable->setEnabled(true);
    loop.exec();
    m_readable->setEnabled(false);
    return received;
}

PtyDevice::Flood PtyDevice::flood(qint64 bytes, int timeoutMs)
{
    Flood result;
    std::atomic<bool> stop = false;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);

    const Clock::time_point start = Clock::now();
    std::unique_ptr<QThread> writer(
        QThread::create([&] { result.bytesTaken = offer(m_master, bytes, stop); }));
    QObject::connect(writer.get(), &QThread::finished, &loop, &QEventLoop::quit);
    deadline.start(timeoutMs);
    writer->start();
    loop.exec();
    stop = true;
    writer->wait();
    if (result.bytesTaken < bytes)
        return result;

    // The last bytes may still sit in the pair. Its queue can read empty for a moment while the
    // kernel moves the next block into it, so the drain counts as done once the queue has stayed
    // empty for a while, and it was done when that spell began.
    constexpr auto kQuiet = std::chrono::milliseconds(5);
    std::optional<Clock::time_point> emptySince;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        const Clock::time_point now = Clock::now();
        if (unreadBytes() > 0) {
            emptySince.reset();
        } else if (!emptySince) {
            emptySince = now;
        } else if (now - *emptySince >= kQuiet) {
            result.drained = true;
            loop.quit();
        }
    });
    check.start(0);
    loop.exec();
    if (result.drained)
        result.drainTime = *emptySince - start;
    return result;
}
