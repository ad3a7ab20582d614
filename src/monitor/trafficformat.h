#pragma once

#include "trafficrecorder.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// How the serial monitor writes the recorded traffic: each entry as one row (or, in a hex dump,
// one row per 16 bytes) with its time, its direction ("TX", "RX", or "Port" for what happened to
// the port) and its bytes or the event.
//
// Bytes are text with every byte that is not printable ASCII written as an escape (\r, \n, \t,
// \xhh; a backslash as \\), so that each byte on the wire can be read back from the line, or a hex
// dump: the offset, sixteen hexadecimal pairs and the same bytes as ASCII beside them, as
// `hexdump -C` writes them.
class TrafficFormat
{
public:
    enum class TimeMode {
        TimeOfDay, // 14:03:27.125
        DateAndTime, // 2026-12-07 14:03:27.125
        SincePrevious, // +125 ms, from the row shown before
    };

    struct Options
    {
        bool hex = false;
        TimeMode time = TimeMode::TimeOfDay;
        // The numbers of the times: the user's locale on screen, C in the files, which other
        // programs read.
        QLocale locale = QLocale::c();
    };

    static constexpr int kDumpWidth = 16;

    static QString escaped(const QByteArray &bytes);
    // One row per 16 bytes: "0000  4c 44 30 0d  ...  |LD0.|", padded so that the ASCII column
    // lines up whatever the row's length. No rows for no bytes.
    static QStringList hexDump(const QByteArray &bytes);
    // `time` in milliseconds since the epoch, in local time; SincePrevious counts from
    // `previous`, and shows a dash without one. The locale gives the digits and the decimal mark
    // before the milliseconds ("14:03:27,125" in German), never digit grouping, so that every
    // English locale writes what C writes and the column keeps its width.
    static QString time(qint64 time, std::optional<qint64> previous, TimeMode mode,
                        const QLocale &locale = QLocale::c());
    // The sentence for a port event, such as "Com1 closed: the device /dev/ttyUSB0 was
    // disconnected"; the same words as the main window's status line.
    static QString portEvent(const TrafficEntry &entry);

    // How many rows an entry of this kind with this many bytes takes.
    static int rowCount(TrafficEntry::Kind kind, qsizetype bytes, bool hex);
    // The entry's rows: the first with the time and the direction, the rest of a hex dump below
    // its first row, indented by as much.
    static QStringList rows(const TrafficEntry &entry, const Options &options,
                            std::optional<qint64> previous = std::nullopt);
};
