#pragma once

#include "version.h"

#include <QString>

// The facts every window shares: the application title and the version.
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

} // namespace AppInfo
