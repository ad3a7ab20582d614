#include "appinfo.h"

#include <QGuiApplication>

QIcon AppInfo::windowIcon()
{
    // main() makes it the application's icon before any window exists; decoding the pictures again
    // for every window would only slow the start.
    const QIcon applicationIcon = QGuiApplication::windowIcon();
    if (!applicationIcon.isNull())
        return applicationIcon;
    QIcon icon;
    icon.addFile(QStringLiteral(":/tiltbench/tiltbench-32.png"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/tiltbench/tiltbench-16.png"), QSize(16, 16));
    return icon;
}
