#include "pseudoterminal.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(strerror(errno)));
}

// Whether a QSerialPort still holds the lock file of `slavePath` ("/dev/pts/3": "LCK..pts_3"). A
// terminal number freed by one test process can be handed to another before the first has removed
// its lock; a port opened on it then fails as if the device were busy.
bool lockedBySerialPort(const QString &slavePath)
{
    const QString name
        = QStringLiteral("LCK..") + slavePath.mid(5).replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const QString &folder : { QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
                                   QStringLiteral("/var/spool/locks"),
                                   QStringLiteral("/var/spool/uucp"), QDir::tempPath() }) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + name))
            return true;
    }
    return false;
}

} // namespace

PseudoTerminal::PseudoTerminal()
{
    // Terminals still locked are kept open while looking, so that the system hands out others.
    QList<int> locked;
    int master = -1;
    for (int attempt = 0; attempt < 16; ++attempt) {
        master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (master < 0)
            break;
        const char *name = ptsname(master);
        if (!name || !lockedBySerialPort(QString::fromLocal8Bit(name)))
            break;
        locked.append(master);
        master = -1;
    }
    for (int fd : std::as_const(locked))
        ::close(fd);
    if (master < 0) {
        m_error = locked.isEmpty()
            ? systemError("posix_openpt")
            : QStringLiteral("every pseudo-terminal offered was still locked by a serial port");
        return;
    }
    if (grantpt(master) != 0 || unlockpt(master) != 0) {
        m_error = systemError("grantpt/unlockpt");
        ::close(master);
        return;
    }
    const char *name = ptsname(master);
    if (!name) {
        m_error = systemError("ptsname");
        ::close(master);
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);

    // The line discipline's settings belong to the pair and outlive this short open, so the slave
    // stays raw for whoever opens it next (as long as the master is open).
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) {
        m_error = systemError("open slave");
        ::close(master);
        return;
    }
    termios tio {};
    const bool raw
        = tcgetattr(slave, &tio) == 0 && (cfmakeraw(&tio), tcsetattr(slave, TCSANOW, &tio) == 0);
    if (!raw)
        m_error = systemError("tcsetattr");
    ::close(slave);
    if (!raw) {
        ::close(master);
        return;
    }
    m_master = master;
}

PseudoTerminal::~PseudoTerminal()
{
    closeMaster();
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    if (m_master < 0)
        return false;
    qsizetype done = 0;
    QDeadlineTimer deadline(2000);
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, bytes.size() - done);
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else if (deadline.hasExpired()) {
            return false;
        } else {
            // The slave's input queue is full; let the program read some of it.
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
    return true;
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray result;
    if (m_master < 0)
        return result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0)
            result.append(buffer, n);
        else if (n < 0 && errno == EINTR)
            continue;
        else
            break; // EAGAIN: nothing more now; EIO: no slave open
    }
    return result;
}

QByteArray PseudoTerminal::readAtLeast(int count, int timeoutMs)
{
    QByteArray result = readAvailable();
    QDeadlineTimer deadline(timeoutMs);
    while (result.size() < count && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // Wait briefly for the program's bytes rather than spinning; any arrival wakes it at once.
        pollfd pfd { m_master, POLLIN, 0 };
        ::poll(&pfd, 1, 10);
        result += readAvailable();
    }
    return result;
}

void PseudoTerminal::closeMaster()
{
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

PseudoTerminal::FlowControl PseudoTerminal::flowControl() const
{
    // On the master, the terminal calls read the line of the slave side.
    termios tio {};
    if (m_master < 0 || tcgetattr(m_master, &tio) != 0)
        return {};
    return { true, (tio.c_iflag & IXON) && (tio.c_iflag & IXOFF),
             (tio.c_iflag & (IXON | IXOFF)) != 0, (tio.c_cflag & CRTSCTS) != 0 };
}
