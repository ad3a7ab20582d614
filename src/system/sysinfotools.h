#pragma once

#include <QStringList>

// The system's own system-information programs, for when the registry names none.
class SysInfoTools
{
public:
    virtual ~SysInfoTools() = default;

    // Program names to look for on the search path, best first; empty where the system has no
    // such programs to offer.
    virtual QStringList fallbackTools() const = 0;
};
