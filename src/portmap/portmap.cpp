#include "portmap.h"

#include "symboliclink.h"

#include <QDir>
#include <QFileInfo>

QString PortMap::linkDirectory()
{
#ifdef Q_OS_WIN
    return {};
#else
    // A relative XDG_CONFIG_HOME is to be ignored, as every XDG-aware program does.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/Tiltbench/ports"));
#endif
}

QString PortMap::linkPath(int port)
{
    const QString directory = linkDirectory();
    if (directory.isEmpty() || port < 1)
        return {};
    return directory + QStringLiteral("/com%1").arg(port);
}

QString PortMap::devicePath(int port)
{
    if (port < 1)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    const QFileInfo link(linkPath(port));
    if (link.isSymLink()) {
        // A link to a device that is not there (an adapter unplugged) still names that device, so
        // the open fails with a message about it instead of silently using another port. (A loop
        // of links has no canonical path either, whatever canonicalFilePath() makes of it.)
        const QString device = link.exists() ? link.canonicalFilePath() : QString();
        return device.isEmpty() ? deviceName(port) : device;
    }
    if (link.exists())
        return link.canonicalFilePath();
    return defaultDevicePath(port);
#endif
}

QString PortMap::deviceName(int port)
{
    if (port < 1)
        return {};
#ifdef Q_OS_WIN
    return devicePath(port);
#else
    const QFileInfo link(linkPath(port));
    if (link.isSymLink()) {
        // Read as written: symLinkTarget() would resolve a chain of links to its end.
        const QString target = SymbolicLink::target(link.filePath());
        if (target.isEmpty())
            return link.symLinkTarget();
        return QDir::cleanPath(QDir(link.absolutePath()).absoluteFilePath(target));
    }
    if (link.exists())
        return link.filePath();
    return defaultDevicePath(port);
#endif
}

QString PortMap::defaultDevicePath(int port)
{
    if (port < 1)
        return {};
#if defined(Q_OS_WIN)
    return QStringLiteral("COM%1").arg(port);
#elif defined(Q_OS_LINUX)
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#else
    return {};
#endif
}
