#include "trafficformat.h"

#include "trafficrecorder.h"

#include <QDateTime>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

QString withReason(const QString &what, const QString &reason)
{
    return reason.isEmpty() ? what : what + QStringLiteral(": ") + reason;
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
            if (byte >= 0x20 && byte < 0x7f) {
                text += QLatin1Char(c);
            } else {
                text += QLatin1String("\\x");
                text += QLatin1Char(kHexDigits[byte >> 4]);
                text += QLatin1Char(kHexDigits[byte & 0xf]);
            }
        }
    }
    return text;
}

QString TrafficFormat::hex(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex(' '));
}

QString TrafficFormat::portEvent(const TrafficEntry &entry)
{
    const QString port = QStringLiteral("Com%1").arg(entry.port);
    switch (entry.kind) {
    case TrafficEntry::Kind::Opened:
        return withReason(port + QStringLiteral(" opened"), entry.text);
    case TrafficEntry::Kind::Changed:
        return withReason(port + QStringLiteral(" changed"), entry.text);
    case TrafficEntry::Kind::Closed:
        return withReason(port + QStringLiteral(" closed"), entry.text);
    case TrafficEntry::Kind::OpenFailed:
        return withReason(port + QStringLiteral(" could not be opened"), entry.text);
    case TrafficEntry::Kind::Reconnected:
        return withReason(port + QStringLiteral(" reconnected"), entry.text);
    case TrafficEntry::Kind::Sent:
    case TrafficEntry::Kind::Received:
        break;
    }
    return {};
}

QString TrafficFormat::line(const TrafficEntry &entry, bool asHex)
{
    QString direction;
    QString what;
    switch (entry.kind) {
    case TrafficEntry::Kind::Sent:
    case TrafficEntry::Kind::Received:
        direction = entry.kind == TrafficEntry::Kind::Sent ? QStringLiteral("TX  ")
                                                           : QStringLiteral("RX  ");
        what = asHex ? hex(entry.bytes) : escaped(entry.bytes);
        break;
    default:
        direction = QStringLiteral("Port");
        what = portEvent(entry);
        break;
    }
    const QString time = QDateTime::fromMSecsSinceEpoch(entry.time).toString(u"hh:mm:ss.zzz");
    return time + QStringLiteral("  ") + direction + QStringLiteral("  ") + what;
}
