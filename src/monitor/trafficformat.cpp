#include "trafficformat.h"

#include "portmessages.h"

#include <QDateTime>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendHex(QString &text, unsigned char byte)
{
    text += QLatin1Char(kHexDigits[byte >> 4]);
    text += QLatin1Char(kHexDigits[byte & 0xf]);
}

bool printable(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x7f;
}

QString direction(TrafficEntry::Kind kind)
{
    switch (kind) {
    case TrafficEntry::Kind::Sent:
        return QStringLiteral("TX  ");
    case TrafficEntry::Kind::Received:
        return QStringLiteral("RX  ");
    default:
        return QStringLiteral("Port");
    }
}

} // namespace

QString TrafficFormat::escaped(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        switch (byte) {
        case '\r':
            text += QLatin1String("\\r");
            break;
        case '\n':
            text += QLatin1String("\\n");
            break;
        case '\t':
            text += QLatin1String("\\t");
            break;
        case '\\':
            text += QLatin1String("\\\\");
            break;
        default:
            if (printable(byte)) {
                text += QLatin1Char(c);
            } else {
                text += QLatin1String("\\x");
                appendHex(text, byte);
            }
        }
    }
    return text;
}

QStringList TrafficFormat::hexDump(const QByteArray &bytes)
{
    QStringList rows;
    rows.reserve((bytes.size() + kDumpWidth - 1) / kDumpWidth);
    for (qsizetype at = 0; at < bytes.size(); at += kDumpWidth) {
        const qsizetype count = qMin<qsizetype>(kDumpWidth, bytes.size() - at);
        QString row;
        row.reserve(80);
        row += QStringLiteral("%1  ").arg(at, 4, 16, QLatin1Char('0'));
        for (qsizetype i = 0; i < kDumpWidth; ++i) {
            if (i < count)
                appendHex(row, static_cast<unsigned char>(bytes[at + i]));
            else
                row += QLatin1String("  ");
            row += QLatin1Char(' ');
            // Two groups of eight, as the eye counts them.
            if (i == kDumpWidth / 2 - 1)
                row += QLatin1Char(' ');
        }
        row += QLatin1String(" |");
        for (qsizetype i = 0; i < count; ++i) {
            const auto byte = static_cast<unsigned char>(bytes[at + i]);
            row += printable(byte) ? QLatin1Char(char(byte)) : QLatin1Char('.');
        }
        row += QLatin1Char('|');
        rows.append(row);
    }
    return rows;
}

QString TrafficFormat::time(qint64 time, std::optional<qint64> previous, TimeMode mode,
                            const QLocale &locale)
{
    // The mark is quoted: in a format, a comma or a point is a literal only so.
    const QString fraction = QStringLiteral("'%1'zzz").arg(locale.decimalPoint());
    switch (mode) {
    case TimeMode::TimeOfDay:
        return locale.toString(QDateTime::fromMSecsSinceEpoch(time),
                               QStringLiteral("hh:mm:ss") + fraction);
    case TimeMode::DateAndTime:
        return locale.toString(QDateTime::fromMSecsSinceEpoch(time),
                               QStringLiteral("yyyy-MM-dd hh:mm:ss") + fraction);
    case TimeMode::SincePrevious:
        break;
    }
    // As wide as a time of day, so that the columns after it stay where they were.
    if (!previous)
        return QStringLiteral("%1 ms").arg(QLatin1Char('-'), 9);
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const qint64 delta = time - *previous;
    const QString number
        = delta >= 0 ? locale.positiveSign() + numbers.toString(delta) : numbers.toString(delta);
    return QStringLiteral("%1 ms").arg(number, 9);
}

QString TrafficFormat::portEvent(const TrafficEntry &entry)
{
    return PortMessages::portEvent(entry, escaped(entry.bytes));
}

int TrafficFormat::rowCount(TrafficEntry::Kind kind, qsizetype bytes, bool hex)
{
    if (!hex || (kind != TrafficEntry::Kind::Sent && kind != TrafficEntry::Kind::Received))
        return 1;
    return int(qMax<qsizetype>(1, (bytes + kDumpWidth - 1) / kDumpWidth));
}

QStringList TrafficFormat::rows(const TrafficEntry &entry, const Options &options,
                                std::optional<qint64> previous)
{
    const QString head = time(entry.time, previous, options.time, options.locale)
        + QStringLiteral("  ") + direction(entry.kind) + QStringLiteral("  ");
    if (entry.isPortEvent())
        return { head + portEvent(entry) };
    if (!options.hex)
        return { head + escaped(entry.bytes) };
    QStringList rows = hexDump(entry.bytes);
    if (rows.isEmpty())
        return { head };
    const QString indent(head.size(), QLatin1Char(' '));
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i].prepend(i == 0 ? head : indent);
    return rows;
}
