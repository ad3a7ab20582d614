#pragma once

#include "linesettings.h"

#include <QSerialPort>
#include <QtGlobal>

#include <optional>
#include <utility>

// The line of an open device as the system holds it, to tell the settings a device took from the
// ones it ignored while QSerialPort reported success (a pseudo-terminal, for one, drops parity and
// any size but 8 data bits without an error). Linux and macOS read the terminal settings, Windows
// the port's DCB; where a read fails, every setting counts as taken and QSerialPort's answer
// stands.
class DeviceLine
{
public:
    // The system's handle of an open port: a file descriptor, or a HANDLE on Windows.
    using NativeHandle = decltype(std::declval<QSerialPort &>().handle());

    // The fields of a Windows DCB that describe the line, copied out of the system's structure so
    // that decoding them is plain code that runs and is tested on every system. Values are the
    // DCB's own: Parity 0 none, 1 odd, 2 even, 3 mark, 4 space; StopBits 0 one, 1 one and a half,
    // 2 two; RtsControl 0 disable, 1 enable, 2 handshake, 3 toggle.
    struct Dcb
    {
        quint32 baudRate = 0;
        quint8 byteSize = 8;
        quint8 parity = 0;
        quint8 stopBits = 0;
        bool outxCtsFlow = false;
        quint8 rtsControl = 0;
        bool outX = false;
        bool inX = false;
    };

    // A line as settings: speed, framing and flow control (one of SerialPort's HandshakingValue,
    // or -1 for a mix that none of them names, such as Xon/Xoff in one direction only).
    struct State
    {
        LineSettings settings;
        int handshaking = 0;
    };

    static DeviceLine read(NativeHandle handle);

    // Nothing when a field holds a value the DCB does not define.
    static std::optional<State> decodeDcb(const Dcb &dcb);

    bool hasSpeed(int speed) const;
    bool hasDataBits(int dataBits) const;
    bool hasParity(char parity) const;
    bool hasStopBits(LineSettings::StopBits stopBits) const;
    // One of SerialPort's HandshakingValue.
    bool hasHandshaking(int handshaking) const;

    // Adds Xon/Xoff to the flow control of the open device: QSerialPort sets one kind at a time, so
    // Xon/Xoff together with RTS/CTS needs the line itself. False where that cannot be done.
    static bool addXonXoff(NativeHandle handle);

private:
    long long m_speed = -1; // -1: the system cannot tell
    // Linux and macOS: the terminal's control and input flags, when they were read.
    bool m_known = false;
    unsigned long m_cflag = 0;
    unsigned long m_iflag = 0;
    // Windows: the decoded DCB, when it was read.
    std::optional<State> m_state;
};
