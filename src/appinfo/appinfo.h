#pragma once

#include "version.h"

#include <QIcon>
#include <QString>

// The facts every window shares: the application title, the version and the program's icon.
namespace AppInfo {

// Begins the captions of the main window and the calculator, titles every message box that names
// no title of its own, and names the settings in the store.
inline QString title()
{
    return QStringLiteral("Tiltbench");
}

// "1.0.0": plain decimal numbers, no leading zeros or blanks.
inline QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

// The standard window icon of the main window, the calculator and the About box: a block on a
// tilted ramp, 16 colours, 32 x 32 and 16 x 16.
QIcon windowIcon();

} // namespace AppInfo
