#pragma once

#include <QString>

// A serial device as the system lists it.
struct SerialDevice
{
    // The name that keeps finding this device after it is unplugged and plugged back in (its
    // /dev/serial/by-id/ link where the system makes one), else its system path.
    QString stableName;
    // Where the device is now, such as /dev/ttyUSB0.
    QString systemPath;
    QString description;
    QString manufacturer;
    QString serialNumber;
};
