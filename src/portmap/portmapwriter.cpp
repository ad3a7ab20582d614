#include "portmapwriter.h"

#include "portmap.h"
#include "symboliclink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

QString PortMapWriter::linkTarget(int port)
{
    const QString path = PortMap::linkPath(port);
    return path.isEmpty() ? QString() : SymbolicLink::target(path);
}

PortMapWriter::Result PortMapWriter::setDevice(int port, const QString &device)
{
#ifdef Q_OS_UNIX
    const QString link = PortMap::linkPath(port);
    if (link.isEmpty())
        return { Outcome::Failed,
                 QCoreApplication::translate("PortMapWriter",
                                             "there is no port map on this system") };
    const SymbolicLink::Kind kind = SymbolicLink::kindAt(link);
    if (kind == SymbolicLink::Kind::Other)
        return { Outcome::NotALink, {} };

    if (device.isEmpty()) {
        if (kind == SymbolicLink::Kind::Nothing)
            return { Outcome::Unchanged, {} };
        if (::unlink(QFile::encodeName(link).constData()) != 0 && errno != ENOENT)
            return { Outcome::Failed, QString::fromLocal8Bit(std::strerror(errno)) };
        return { Outcome::Removed, {} };
    }

    if (kind == SymbolicLink::Kind::Link && SymbolicLink::target(link) == device)
        return { Outcome::Unchanged, {} };
    if (!QDir().mkpath(PortMap::linkDirectory()))
        return { Outcome::Failed,
                 QCoreApplication::translate("PortMapWriter", "the folder %1 could not be made")
                     .arg(PortMap::linkDirectory()) };
    const SymbolicLink::Result result = SymbolicLink::point(link, device);
    switch (result.outcome) {
    case SymbolicLink::Outcome::Linked:
        return { Outcome::Linked, {} };
    case SymbolicLink::Outcome::NotALink:
        return { Outcome::NotALink, {} };
    case SymbolicLink::Outcome::Failed:
        break;
    }
    return { Outcome::Failed, result.cause };
#else
    Q_UNUSED(port);
    Q_UNUSED(device);
    return { Outcome::Failed,
             QCoreApplication::translate("PortMapWriter",
                                         "ports are not mapped by links on this system") };
#endif
}
