#include "temporaryportmap.h"

#include <QDir>
#include <QFile>

TemporaryPortMap::TemporaryPortMap()
    : m_savedXdg(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

TemporaryPortMap::~TemporaryPortMap()
{
    if (m_savedXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_savedXdg);
}

bool TemporaryPortMap::link(int port, const QString &device)
{
    const QString folder = m_config.filePath(QStringLiteral("Tiltbench/ports"));
    return QDir().mkpath(folder)
        && QFile::link(device, folder + QStringLiteral("/com%1").arg(port));
}
