#pragma once

#include "sysinfotools.h"

// The fallback programs a test chooses.
class FakeSysInfoTools : public SysInfoTools
{
public:
    QStringList fallbackTools() const override { return tools; }

    QStringList tools;
};
