#include "terminalline.h"

// termios2 carries the speed as a number, so that a speed outside the standard table (which the
// program's port dialog offers) reads back too. These kernel headers cannot share a file with
// <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

std::optional<LineSettings> TerminalLine::read(int fd)
{
    struct termios2 settings = {};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return std::nullopt;

    LineSettings line;
    line.baudRate = static_cast<int>(settings.c_ospeed);
    const auto flags = settings.c_cflag;
    if (!(flags & PARENB))
        line.parity = 'n';
    else if (flags & CMSPAR)
        line.parity = (flags & PARODD) ? 'm' : 's';
    else
        line.parity = (flags & PARODD) ? 'o' : 'e';
    switch (flags & CSIZE) {
    case CS5:
        line.dataBits = 5;
        break;
    case CS6:
        line.dataBits = 6;
        break;
    case CS7:
        line.dataBits = 7;
        break;
    default:
        line.dataBits = 8;
        break;
    }
    line.stopBits = (flags & CSTOPB) ? LineSettings::StopBits::Two : LineSettings::StopBits::One;
    return line;
}

bool TerminalLine::write(int fd, const LineSettings &line)
{
    struct termios2 settings = {};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return false;

    // BOTHER takes the speed from the number; the input speed follows the output one.
    auto flags = settings.c_cflag
        & ~(CBAUD | (CBAUD << IBSHIFT) | PARENB | PARODD | CMSPAR | CSIZE | CSTOPB);
    flags |= BOTHER;
    switch (line.parity) {
    case 'e':
        flags |= PARENB;
        break;
    case 'o':
        flags |= PARENB | PARODD;
        break;
    case 'm':
        flags |= PARENB | CMSPAR | PARODD;
        break;
    case 's':
        flags |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    static constexpr unsigned kSizes[] = { CS5, CS6, CS7, CS8 };
    flags |= kSizes[line.dataBits < 5 ? 0 : line.dataBits > 8 ? 3 : line.dataBits - 5];
    if (line.stopBits != LineSettings::StopBits::One)
        flags |= CSTOPB;
    settings.c_cflag = flags;
    settings.c_ospeed = static_cast<speed_t>(line.baudRate);
    settings.c_ispeed = settings.c_ospeed;
    return ::ioctl(fd, TCSETS2, &settings) == 0;
}
