#include "desktopsysinfotools.h"

QStringList DesktopSysInfoTools::fallbackTools() const
{
#ifdef Q_OS_LINUX
    // Well-known system-information programs of the Linux desktops that open their overview when
    // started without arguments: first the dedicated ones (KDE's Info Center, HardInfo in its new
    // and old names, CPU-X), then the desktops' system monitors.
    return { QStringLiteral("kinfocenter"),
             QStringLiteral("hardinfo2"),
             QStringLiteral("hardinfo"),
             QStringLiteral("cpu-x"),
             QStringLiteral("gnome-system-monitor"),
             QStringLiteral("mate-system-monitor") };
#else
    return {};
#endif
}
