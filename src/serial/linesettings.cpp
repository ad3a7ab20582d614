#include "linesettings.h"

#include <QStringList>

namespace {

bool isDigits(const QString &s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

std::optional<LineSettings> LineSettings::parse(const QString &text)
{
    const QStringList fields = text.split(u',');
    if (fields.size() != 4)
        return std::nullopt;

    LineSettings s;
    const QString &speed = fields[0];
    if (!isDigits(speed) || speed.size() > 7)
        return std::nullopt;
    s.baudRate = speed.toInt();
    if (s.baudRate <= 0)
        return std::nullopt;

    const QString parity = fields[1].toLower();
    if (parity.size() != 1 || !QStringLiteral("eonms").contains(parity[0]))
        return std::nullopt;
    s.parity = parity[0].toLatin1();

    const QString &data = fields[2];
    if (data.size() != 1 || data[0] < u'4' || data[0] > u'8')
        return std::nullopt;
    s.dataBits = data[0].unicode() - u'0';

    const QString &stop = fields[3];
    if (stop == u"1")
        s.stopBits = StopBits::One;
    else if (stop == u"1.5")
        s.stopBits = StopBits::OnePointFive;
    else if (stop == u"2")
        s.stopBits = StopBits::Two;
    else
        return std::nullopt;
    return s;
}

QString LineSettings::toText() const
{
    const char *stop = stopBits == StopBits::One ? "1" : stopBits == StopBits::Two ? "2" : "1.5";
    return QStringLiteral("%1,%2,%3,%4")
        .arg(baudRate)
        .arg(QChar::fromLatin1(parity))
        .arg(dataBits)
        .arg(QLatin1String(stop));
}
