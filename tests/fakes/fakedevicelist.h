#pragma once

#include "devicelist.h"

// A device list for tests: whatever the test puts in `list`.
class FakeDeviceList : public DeviceList
{
public:
    QList<SerialDevice> devices() const override { return list; }

    QList<SerialDevice> list;
};
