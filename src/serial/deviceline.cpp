#include "deviceline.h"

#include "serialport.h"

#if defined(Q_OS_LINUX)
// termios2 carries the speed as a number, which is the only way to read back a non-standard speed.
// These kernel headers cannot share a file with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>
#elif defined(Q_OS_UNIX)
#include <termios.h>
#endif

#include <cstdlib>

DeviceLine DeviceLine::read([[maybe_unused]] qintptr handle)
{
    DeviceLine line;
#if defined(Q_OS_LINUX)
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

bool DeviceLine::addXonXoff(qintptr handle)
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

bool DeviceLine::hasDataBits(int) const
{
    return true;
}

bool DeviceLine::hasParity(char) const
{
    return true;
}

bool DeviceLine::hasStopBits(LineSettings::StopBits) const
{
    return true;
}

bool DeviceLine::hasHandshaking(int) const
{
    return true;
}

bool DeviceLine::addXonXoff(qintptr)
{
    return false;
}

#endif
