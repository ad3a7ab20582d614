#include "linklock.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemCause()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

qint64 readHolder(int fd)
{
    char buffer[32] = {};
    const ssize_t length = ::pread(fd, buffer, sizeof buffer - 1, 0);
    return length > 0 ? QByteArray(buffer, int(length)).trimmed().toLongLong() : 0;
}

} // namespace

LinkLock::LinkLock(const QString &linkPath)
    : m_path(linkPath + QStringLiteral(".lock"))
{
}

LinkLock::~LinkLock()
{
    if (m_fd < 0)
        return;
    // Removed while still locked: a simulator that opened the file meanwhile finds, once it has
    // the lock, that its file is no longer the one at the path, and starts again with a new one.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

LinkLock::Result LinkLock::take()
{
    const QByteArray path = QFile::encodeName(m_path);
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return { Outcome::Failed, 0, systemCause() };
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const Result result = errno == EWOULDBLOCK
                ? Result { Outcome::Held, readHolder(fd), {} }
                : Result { Outcome::Failed, 0, systemCause() };
            ::close(fd);
            return result;
        }
        // The holder before may have removed the file between our open and our lock.
        struct stat opened = {}, atPath = {};
        if (::fstat(fd, &opened) != 0 || ::stat(path.constData(), &atPath) != 0
            || opened.st_ino != atPath.st_ino || opened.st_dev != atPath.st_dev) {
            ::close(fd);
            continue;
        }
        const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) < 0) {
            const Result result { Outcome::Failed, 0, systemCause() };
            ::close(fd);
            return result;
        }
        m_fd = fd;
        return {};
    }
}
