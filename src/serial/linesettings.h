#pragma once

#include <QString>

#include <optional>

// The four fields of a serial line-settings text such as "9600,N,8,1": speed, parity letter, data
// bits and stop bits, separated by single commas and without blanks. The parity letter is accepted
// in either case and always written back in lower case.
struct LineSettings
{
    enum class StopBits { One, OnePointFive, Two };

    int baudRate = 9600;
    char parity = 'n'; // one of e, o, n, m, s
    int dataBits = 8; // 4 to 8
    StopBits stopBits = StopBits::One;

    // Reads a settings text; nothing on a text that is not four well-formed fields.
    static std::optional<LineSettings> parse(const QString &text);
    QString toText() const;

    friend bool operator==(const LineSettings &, const LineSettings &) = default;
};
