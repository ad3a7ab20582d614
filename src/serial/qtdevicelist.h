#pragma once

#include "devicelist.h"

// The system's list through QSerialPortInfo, with each device's stable name looked up among the
// links in /dev/serial/by-id/ (Linux's udev makes them; elsewhere there are none).
class QtDeviceList : public DeviceList
{
public:
    QList<SerialDevice> devices() const override;
};
