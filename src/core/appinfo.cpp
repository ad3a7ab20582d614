#include "appinfo.h"

QIcon AppInfo::windowIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/tiltbench/tiltbench-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/tiltbench/tiltbench-16.png"), QSize(16, 16));
    return icon;
}
