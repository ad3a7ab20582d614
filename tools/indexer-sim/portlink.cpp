#include "portlink.h"

#include "symboliclink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isPseudoTerminalPath(const QString &path)
{
    return path.startsWith(QLatin1String("/dev/pts/")) && path.size() > 9;
}

} // namespace

QString PortLink::refusalToReplace(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat entry = {};
    if (::lstat(native.constData(), &entry) != 0) {
        if (errno == ENOENT)
            return {};
        return QStringLiteral("cannot look at %1: %2")
            .arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (!S_ISLNK(entry.st_mode))
        return QStringLiteral("%1 exists and is not a symbolic link").arg(path);

    const QString target = SymbolicLink::target(path);
    const QString absolute
        = QDir::cleanPath(QFileInfo(path).absoluteDir().absoluteFilePath(target));
    struct stat device = {};
    if (::stat(native.constData(), &device) != 0) {
        if (errno == ELOOP)
            return QStringLiteral("%1 points to %2, which leads back round in a loop of links")
                .arg(path, target);
        if (isPseudoTerminalPath(absolute))
            return {};
        return QStringLiteral("%1 points to %2, which is not a pseudo-terminal (it is missing now: "
                              "an unplugged device?)")
            .arg(path, target);
    }
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (S_ISCHR(device.st_mode) && isPseudoTerminalPath(resolved))
        return {};
    return QStringLiteral("%1 points to %2, which is not a pseudo-terminal").arg(path, target);
}

PortLink::PortLink(const QString &path)
    : m_path(path)
{
}

PortLink::~PortLink()
{
    remove();
}

QString PortLink::publish(const QString &device)
{
    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        return QStringLiteral("cannot create the folder %1").arg(info.absolutePath());
    const QString refusal = refusalToReplace(m_path);
    if (!refusal.isEmpty())
        return refusal;

    // A link that appeared since the check is replaced only by another link.
    const SymbolicLink::Result result = SymbolicLink::point(m_path, device);
    if (result.outcome == SymbolicLink::Outcome::NotALink)
        return QStringLiteral("%1 exists and is not a symbolic link").arg(m_path);
    if (result.outcome == SymbolicLink::Outcome::Failed)
        return QStringLiteral("cannot create the link %1: %2").arg(m_path, result.cause);
    m_device = device;
    return {};
}

void PortLink::remove()
{
    if (m_device.isEmpty())
        return;
    if (SymbolicLink::target(m_path) == m_device)
        ::unlink(QFile::encodeName(m_path).constData());
    m_device.clear();
}
