#pragma once

// The serial room: the line to the motor indexer. The port interface and its Qt implementation,
// the faults it reports, the device's own line settings, the list of serial devices, the watch for
// a device that comes back, and the traffic recorded for the Serial Monitor. It knows no window and
// writes no operator's sentence: it reports what failed in the device's terms, and portmessages/
// speaks (the recorder is handed its words for a fault).

#include "commerror.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The program's one serial line to the motor indexer, as the windows see it: a port number, a
// line-settings text, flow control, an open state, writes that queue bytes and return at once, and
// a notification when received characters are waiting.
//
// Everything runs on the user-interface thread. No call throws: every refusal comes back as a
// CommError that says what failed in the device's terms (PortFault); PortMessages turns it into
// the operator's sentence. Property names follow the communications
// control the program was designed around (CommPort, Settings, PortOpen, ...); each has a getter of
// that name and a setter named set<Name>.
class SerialPort : public QObject
{
    Q_OBJECT

public:
    // Why OnComm was raised; only Receive is acted on.
    enum CommEventCode : int { NoEvent = 0, Receive = 2 };

    // Flow control values, as positions of the port dialog's choices.
    enum HandshakingValue : int {
        NoHandshaking = 0,
        XonXoff = 1,
        RtsCts = 2,
        XonXoffAndRtsCts = 3
    };

    using QObject::QObject;

    // Port number, 1 and up. A new number is accepted only while the port is closed.
    virtual int CommPort() const = 0;
    [[nodiscard]] virtual CommError setCommPort(int port) = 0;

    // Line settings such as "9600,n,8,1"; read back with the parity letter in lower case. Kept
    // while closed and applied on open; applied at once while open.
    virtual QString Settings() const = 0;
    [[nodiscard]] virtual CommError setSettings(const QString &settings) = 0;

    virtual bool PortOpen() const = 0;
    [[nodiscard]] virtual CommError setPortOpen(bool open) = 0;

    // With a threshold of 1 or more, that many waiting characters raise OnComm with Receive; 0
    // raises nothing.
    virtual int RThreshold() const = 0;
    virtual void setRThreshold(int threshold) = 0;

    virtual int Handshaking() const = 0;
    [[nodiscard]] virtual CommError setHandshaking(int handshaking) = 0;

    // Queues the bytes for sending, after everything written before, and returns at once.
    [[nodiscard]] virtual CommError Output(const QByteArray &bytes) = 0;

    // Everything received so far; empties the receive buffer.
    virtual QByteArray Input() = 0;

    // The reason for the OnComm being handled.
    virtual int CommEvent() const = 0;

    // The device the port number stands for (for example /dev/ttyUSB0), or empty when there is
    // none.
    virtual QString devicePath() const = 0;

    // The device as the operator named it for this port (the port map link's target as written,
    // such as a /dev/serial/by-id/ name, or a typed path); devicePath() is what it resolves to.
    // While open, the name the port was opened under.
    virtual QString deviceName() const { return devicePath(); }

    // Why the port is closed, for the status line: no fault when it was simply never opened or
    // closed on request.
    virtual PortFault closedReason() const = 0;

    // Whether the port is closed because its device is not there: it disappeared while the port
    // was open, or was missing at the last open. False once the port opens, is closed on request
    // or changes number, so that a port closed on purpose is never opened again behind the
    // operator's back.
    virtual bool deviceMissing() const { return false; }

signals:
    void OnComm();

    // The port opened, closed, was unplugged or was reconfigured.
    void stateChanged();
};
