#pragma once

#include "commerror.h"

#include <QCoreApplication>
#include <QString>

class SerialPort;
struct PortLine;
struct TrafficEntry;

// The operator's sentences about the serial port. The serial room reports what failed in the
// device's terms (PortFault); this is the one place that says it to the operator: what failed,
// and what to do about it, naming the menus to use. The main window's status line, the message
// boxes of the main window and the port dialog, and the Serial Monitor's port events all take
// their texts from here.
class PortMessages
{
    Q_DECLARE_TR_FUNCTIONS(PortMessages)

public:
    // The message-box text for a refusal: what failed and what to do about it.
    static QString describe(const CommError &error);

    // Why a port is closed, short enough for a status line ("there is no device /dev/ttyUSB0");
    // empty for no fault.
    static QString closedReason(const PortFault &reason);

    // The status line: "Com1 open: /dev/ttyUSB0, 9600,n,8,1", "Com1 closed", or "Com1 closed: "
    // and the reason.
    static QString portState(const SerialPort &port);

    // A device as the operator named it and what that resolves to:
    // "/dev/serial/by-id/usb-FTDI_...-port0 (/dev/ttyUSB0)", or the one path when they are the
    // same or the name is unknown.
    static QString deviceText(const QString &name, const QString &device);

    // The Serial Monitor's sentence for a port event, such as "Com1 opened: /dev/ttyUSB0,
    // 9600,n,8,1" or "Com1 did not send G\r: the port is closed"; `bytesText` is the event's bytes
    // as the monitor writes them.
    static QString portEvent(const TrafficEntry &entry, const QString &bytesText = {});

private:
    // "Com1 (/dev/ttyUSB0)", "Com1 on /dev/serial/by-id/... (/dev/ttyUSB0)", or "Com1" without a
    // device.
    static QString label(const PortFault &fault);
    static QString lineText(const PortLine &line);
    static QString settingName(const PortFault &fault);
};
