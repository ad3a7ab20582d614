#pragma once

#include "serialdevice.h"

#include <QList>

// The serial devices present on this computer, asked anew at every call.
class DeviceList
{
public:
    virtual ~DeviceList() = default;

    virtual QList<SerialDevice> devices() const = 0;
};
