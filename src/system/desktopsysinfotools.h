#pragma once

#include "sysinfotools.h"

// The system-information programs of the Linux desktops; none elsewhere, where the registry (or
// nothing) names the tool.
class DesktopSysInfoTools : public SysInfoTools
{
public:
    QStringList fallbackTools() const override;
};
