#include "qtfilechecks.h"

#include <QFileInfo>
#include <QStandardPaths>

bool QtFileChecks::fileExists(const QString &path) const
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QString QtFileChecks::findExecutable(const QString &name) const
{
    return QStandardPaths::findExecutable(name);
}
