#pragma once

#include "commerror.h"

#include <QString>

class SerialPort;

// The operator's sentences about the serial port. The serial room reports what failed in the
// device's terms (PortFault); this is the one place that says it to the operator: what failed,
// and what to do about it, naming the menus to use. The main window's status line and the message
// boxes of the main window and the port dialog all take their texts from here.
class PortMessages
{
public:
    // The message-box text for a refusal: what failed and what to do about it.
    static QString describe(const CommError &error);

    // Why a port is closed, short enough for a status line ("there is no device /dev/ttyUSB0");
    // empty for no fault.
    static QString closedReason(const PortFault &reason);

    // The status line: "Com1 open: /dev/ttyUSB0, 9600,n,8,1", "Com1 closed", or "Com1 closed: "
    // and the reason.
    static QString portState(const SerialPort &port);

private:
    // "Com1 (/dev/ttyUSB0)", or "Com1" without a device.
    static QString label(int port, const QString &device);
    static QString settingName(const PortFault &fault);
};
