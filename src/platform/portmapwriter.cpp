#include "portmapwriter.h"

#include "portmap.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
enum class Place { Empty, Link, Other };

Place whatIsAt(const QByteArray &path)
{
    struct stat st
    {
    };
    if (::lstat(path.constData(), &st) != 0)
        return Place::Empty;
    return S_ISLNK(st.st_mode) ? Place::Link : Place::Other;
}

// The target as written in the link, relative or not; empty when there is no link.
QString rawTarget(const QByteArray &link)
{
    char target[4096];
    const ssize_t n = ::readlink(link.constData(), target, sizeof target);
    return n > 0 ? QFile::decodeName(QByteArray(target, n)) : QString();
}

PortMapWriter::Result systemFailure()
{
    return { PortMapWriter::Outcome::Failed, QString::fromLocal8Bit(std::strerror(errno)) };
}
#endif

} // namespace

QString PortMapWriter::linkTarget(int port)
{
#ifdef Q_OS_UNIX
    const QString path = PortMap::linkPath(port);
    return path.isEmpty() ? QString() : rawTarget(QFile::encodeName(path));
#else
    Q_UNUSED(port);
    return {};
#endif
}

PortMapWriter::Result PortMapWriter::setDevice(int port, const QString &device)
{
#ifdef Q_OS_UNIX
    const QString linkPath = PortMap::linkPath(port);
    if (linkPath.isEmpty())
        return { Outcome::Failed, QStringLiteral("there is no port map on this system") };
    const QByteArray link = QFile::encodeName(linkPath);
    const Place place = whatIsAt(link);
    if (place == Place::Other)
        return { Outcome::NotALink, {} };

    if (device.isEmpty()) {
        if (place == Place::Empty)
            return { Outcome::Unchanged, {} };
        if (::unlink(link.constData()) != 0 && errno != ENOENT)
            return systemFailure();
        return { Outcome::Removed, {} };
    }

    if (place == Place::Link && rawTarget(link) == device)
        return { Outcome::Unchanged, {} };

    if (!QDir().mkpath(PortMap::linkDirectory()))
        return { Outcome::Failed,
                 QStringLiteral("the folder %1 could not be made").arg(PortMap::linkDirectory()) };
    // A name of our own beside the link, so the rename stays inside one file system.
    const QByteArray temporary = link + ".new-" + QByteArray::number(qint64(::getpid()));
    ::unlink(temporary.constData());
    if (::symlink(QFile::encodeName(device).constData(), temporary.constData()) != 0)
        return systemFailure();
    // Something other than a link may have appeared meanwhile; it still must not be replaced.
    if (whatIsAt(link) == Place::Other) {
        ::unlink(temporary.constData());
        return { Outcome::NotALink, {} };
    }
    if (::rename(temporary.constData(), link.constData()) != 0) {
        const Result failure = systemFailure();
        ::unlink(temporary.constData());
        return failure;
    }
    return { Outcome::Linked, {} };
#else
    Q_UNUSED(port);
    Q_UNUSED(device);
    return { Outcome::Failed, QStringLiteral("ports are not mapped by links on this system") };
#endif
}
