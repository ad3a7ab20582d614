#pragma once

#include <QString>

struct TrafficEntry;

// How the serial monitor writes the recorded traffic: one line per entry, with the local time
// (hh:mm:ss.zzz), the direction ("TX", "RX", or "Port" for what happened to the port) and the
// bytes or the event.
//
// Bytes are text with every byte that is not printable ASCII written as an escape (\r, \n, \t,
// \xhh; a backslash as \\), so that each byte on the wire can be read back from the line, or
// hexadecimal pairs separated by blanks.
class TrafficFormat
{
public:
    static QString escaped(const QByteArray &bytes);
    static QString hex(const QByteArray &bytes);
    // The sentence for a port event, such as "Com1 closed: the device /dev/ttyUSB0 was
    // disconnected"; the same words as the main window's status line.
    static QString portEvent(const TrafficEntry &entry);
    static QString line(const TrafficEntry &entry, bool asHex);
};
