#pragma once

// The port-map room: which device each port number stands for, and the symbolic links that say
// so. QtCore only, shared with the simulated indexer so both look in the same place. It knows no
// window, no serial port and no operator's sentence.

#include <QString>

// Which device a port number stands for. On Windows port N is COMN. On Linux and macOS each user
// picks the device for port N with a symbolic link <config>/Tiltbench/ports/comN, where <config> is
// $XDG_CONFIG_HOME or ~/.config, for example
//     ~/.config/Tiltbench/ports/com1 -> /dev/ttyUSB0
// Without that link, port N is /dev/ttyS<N-1> on Linux and no device at all on macOS.
class PortMap
{
public:
    // The device to open for port `port`, with the link already resolved to the real device so
    // that the device's own lock (not the link's) keeps other programs out. Empty when the port
    // has no device.
    static QString devicePath(int port);

    // The device for port `port` as the operator named it: the link's target as written (a
    // /dev/serial/by-id/ name, a typed path), made absolute but not resolved; the place of
    // something that is not a link; else the default device. devicePath() is what it resolves to.
    static QString deviceName(int port);

    // The device port `port` stands for without a link; empty where there is none (macOS).
    static QString defaultDevicePath(int port);

    // Where the link for port `port` lives (it need not exist); empty where ports are not mapped by
    // links (Windows).
    static QString linkPath(int port);

    // The folder holding the links; empty on Windows.
    static QString linkDirectory();
};
