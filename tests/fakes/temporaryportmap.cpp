#include "temporaryportmap.h"

#include "portmap.h"

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
    return QDir().mkpath(PortMap::linkDirectory()) && QFile::link(device, PortMap::linkPath(port));
}
