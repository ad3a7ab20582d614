#include "deviceline.h"

#include "serialport.h"

#if defined(Q_OS_WIN)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#elif defined(Q_OS_LINUX)
// termios2 carries the speed as a number, which is the only way to read back a non-standard speed.
// These kernel headers cannot share a file with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>
#elif defined(Q_OS_UNIX)
#include <termios.h>
#endif

#include <cstdlib>

std::optional<DeviceLine::State> DeviceLine::decodeDcb(const Dcb &dcb)
{
    static constexpr char kParities[] = { 'n', 'o', 'e', 'm', 's' };
    static constexpr LineSettings::StopBits kStopBits[]
        = { LineSettings::StopBits::One, LineSettings::StopBits::OnePointFive,
            LineSettings::StopBits::Two };
    constexpr quint8 kRtsControlHandshake = 2;
    if (dcb.byteSize < 4 || dcb.byteSize > 8 || dcb.parity > 4 || dcb.stopBits > 2
        || dcb.rtsControl > 3) {
        return std::nullopt;
    }
    State state;
    state.settings.baudRate = int(dcb.baudRate);
    state.settings.dataBits = dcb.byteSize;
    state.settings.parity = kParities[dcb.parity];
    state.settings.stopBits = kStopBits[dcb.stopBits];
    // RTS/CTS takes both halves: the port waits for CTS and raises RTS only while it can take
    // bytes.
    const bool hardware = dcb.outxCtsFlow && dcb.rtsControl == kRtsControlHandshake;
    const bool anyHardware = dcb.outxCtsFlow || dcb.rtsControl == kRtsControlHandshake;
    const bool software = dcb.outX && dcb.inX;
    const bool anySoftware = dcb.outX || dcb.inX;
    if ((anyHardware && !hardware) || (anySoftware && !software))
        state.handshaking = -1;
    else if (hardware)
        state.handshaking = software ? SerialPort::XonXoffAndRtsCts : SerialPort::RtsCts;
    else
        state.handshaking = software ? SerialPort::XonXoff : SerialPort::NoHandshaking;
    return state;
}

DeviceLine DeviceLine::read([[maybe_unused]] NativeHandle handle)
{
    DeviceLine line;
#if defined(Q_OS_WIN)
    DCB dcb {};
    dcb.DCBlength = sizeof dcb;
    if (::GetCommState(handle, &dcb)) {
        line.m_state = decodeDcb({ quint32(dcb.BaudRate), quint8(dcb.ByteSize), quint8(dcb.Parity),
                                   quint8(dcb.StopBits), bool(dcb.fOutxCtsFlow),
                                   quint8(dcb.fRtsControl), bool(dcb.fOutX), bool(dcb.fInX) });
        if (line.m_state)
            line.m_speed = line.m_state->settings.baudRate;
    }
#elif defined(Q_OS_LINUX)
    termios2 tio {};
    if (::ioctl(int(handle), TCGETS2, &tio) == 0) {
        line.m_known = true;
        line.m_cflag = tio.c_cflag;
        line.m_iflag = tio.c_iflag;
        line.m_speed = tio.c_ospeed;
    }
#elif defined(Q_OS_UNIX)
    termios tio {};
    if (::tcgetattr(int(handle), &tio) == 0) {
        line.m_known = true;
        line.m_cflag = tio.c_cflag;
        line.m_iflag = tio.c_iflag;
    }
#endif
    return line;
}

bool DeviceLine::hasSpeed(int speed) const
{
    // Drivers may report the speed their divisor really gives; 2% is well inside what a UART
    // tolerates.
    return m_speed < 0 || std::llabs(m_speed - speed) * 50 <= speed;
}

#if defined(Q_OS_UNIX)

bool DeviceLine::hasDataBits(int dataBits) const
{
    if (!m_known)
        return true;
    const unsigned long sizes[] = { CS5, CS6, CS7, CS8 };
    return dataBits >= 5 && dataBits <= 8 && (m_cflag & CSIZE) == sizes[dataBits - 5];
}

bool DeviceLine::hasParity(char parity) const
{
    if (!m_known)
        return true;
    const bool enabled = m_cflag & PARENB;
    const bool odd = m_cflag & PARODD;
#ifdef CMSPAR
    const bool sticky = m_cflag & CMSPAR;
#else
    const bool sticky = parity == 'm' || parity == 's';
#endif
    switch (parity) {
    case 'n':
        return !enabled;
    case 'e':
        return enabled && !odd && !sticky;
    case 'o':
        return enabled && odd && !sticky;
    case 'm':
        return enabled && odd && sticky;
    case 's':
        return enabled && !odd && sticky;
    }
    return false;
}

bool DeviceLine::hasStopBits(LineSettings::StopBits stopBits) const
{
    if (!m_known)
        return true;
    return bool(m_cflag & CSTOPB) == (stopBits == LineSettings::StopBits::Two);
}

bool DeviceLine::hasHandshaking(int handshaking) const
{
    if (!m_known)
        return true;
    const bool hardware = m_cflag & CRTSCTS;
    const bool software = (m_iflag & IXON) && (m_iflag & IXOFF);
    const bool anySoftware = m_iflag & (IXON | IXOFF);
    switch (handshaking) {
    case SerialPort::NoHandshaking:
        return !hardware && !anySoftware;
    case SerialPort::XonXoff:
        return !hardware && software;
    case SerialPort::RtsCts:
        return hardware && !anySoftware;
    case SerialPort::XonXoffAndRtsCts:
        return hardware && software;
    }
    return false;
}

bool DeviceLine::addXonXoff(NativeHandle handle)
{
#if defined(Q_OS_LINUX)
    termios2 tio {};
    if (::ioctl(int(handle), TCGETS2, &tio) != 0)
        return false;
    tio.c_iflag |= IXON | IXOFF;
    return ::ioctl(int(handle), TCSETS2, &tio) == 0;
#else
    termios tio {};
    if (::tcgetattr(int(handle), &tio) != 0)
        return false;
    tio.c_iflag |= IXON | IXOFF;
    return ::tcsetattr(int(handle), TCSANOW, &tio) == 0;
#endif
}

#else

bool DeviceLine::hasDataBits(int dataBits) const
{
    return !m_state || m_state->settings.dataBits == dataBits;
}

bool DeviceLine::hasParity(char parity) const
{
    return !m_state || m_state->settings.parity == parity;
}

bool DeviceLine::hasStopBits(LineSettings::StopBits stopBits) const
{
    return !m_state || m_state->settings.stopBits == stopBits;
}

bool DeviceLine::hasHandshaking(int handshaking) const
{
    return !m_state || m_state->handshaking == handshaking;
}

bool DeviceLine::addXonXoff(NativeHandle)
{
    // Windows refuses Xon/Xoff together with RTS/CTS before it gets here.
    return false;
}

#endif
