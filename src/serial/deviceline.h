#pragma once

#include "linesettings.h"

#include <QtGlobal>

// The line of an open device as the system holds it, to tell the settings a device took from the
// ones it ignored while QSerialPort reported success (a pseudo-terminal, for one, drops parity and
// any size but 8 data bits without an error). Where the system cannot report the line (Windows), or
// a read fails, every setting counts as taken and QSerialPort's answer stands.
class DeviceLine
{
public:
    static DeviceLine read(qintptr handle);

    bool hasSpeed(int speed) const;
    bool hasDataBits(int dataBits) const;
    bool hasParity(char parity) const;
    bool hasStopBits(LineSettings::StopBits stopBits) const;
    // One of SerialPort's HandshakingValue.
    bool hasHandshaking(int handshaking) const;

    // Adds Xon/Xoff to the flow control of the open device: QSerialPort sets one kind at a time, so
    // Xon/Xoff together with RTS/CTS needs the line itself. False where that cannot be done.
    static bool addXonXoff(qintptr handle);

private:
    bool m_known = false;
    unsigned long m_cflag = 0;
    unsigned long m_iflag = 0;
    long long m_speed = -1; // -1: the system cannot tell
};
