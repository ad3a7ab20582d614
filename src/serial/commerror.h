#pragma once

#include "portfault.h"

// A refusal by the serial port layer: a number that identifies the kind of failure, as the
// communications control numbered them, and the fault in detail. A default-constructed CommError
// means success.
struct CommError
{
    enum Number : int {
        None = 0,
        InvalidPropertyValue = 380, // a settings text or handshaking value that is malformed
        PortOpen = 8000, // the operation is not allowed while the port is open
        InvalidPort = 8002, // no device for this port number
        PortAlreadyOpen = 8005, // another program holds the device
        AccessDenied = 8006, // the user may not open the device
        SetCommStateFailed = 8015, // the device refused a line setting
        PortNotOpen = 8018, // the operation needs an open port
        DeviceGone = 8020, // the device disappeared while open
        WriteFailed = 8021,
    };

    int number = None;
    PortFault fault;

    bool failed() const { return number != None; }
    explicit operator bool() const { return failed(); }
};
