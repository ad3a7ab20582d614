#include "linesettingstext.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The character at a 1-based position, or an empty string when the position lies outside the text.
QString charAt(const QString &s, qsizetype position)
{
    if (position < 1 || position > s.size())
        return {};
    return s.mid(position - 1, 1);
}

} // namespace

namespace LineSettingsText {

Fields split(const QString &reported)
{
    const qsizetype n = reported.size();
    const qsizetype k = reported.contains(u'.') ? 2 : 0;

    Fields f;
    // QString::left() and right() hand back the whole text for a negative count, which a short
    // text would produce here; clamp so that a missing field is empty.
    f.speed = reported.first(std::clamp<qsizetype>(n - 6 - k, 0, n));
    f.parity = charAt(reported, n - 4 - k);
    f.dataBits = charAt(reported, n - 2 - k);
    f.stopBits = reported.last(std::min(n, k + 1));
    return f;
}

QString parityName(const QString &letter)
{
    static const struct
    {
        const char16_t *letter;
        const char16_t *name;
    } kNames[] = {
        { u"e", u"Even" }, { u"m", u"Mark" },  { u"n", u"None" },
        { u"o", u"Odd" },  { u"s", u"Space" },
    };
    for (const auto &entry : kNames) {
        if (letter == QStringView(entry.letter))
            return QString::fromUtf16(entry.name);
    }
    return {};
}

QString build(const QString &speed, const QString &parity, const QString &dataBits,
              const QString &stopBits)
{
    return speed.trimmed() + u',' + parity.left(1) + u',' + dataBits.trimmed() + u','
        + stopBits.trimmed();
}

QStringList ports()
{
    QStringList list;
    for (int port = 1; port <= 4; ++port)
        list << QStringLiteral("Com%1").arg(port);
    return list;
}

QStringList speeds()
{
    return { QStringLiteral("110"),   QStringLiteral("300"),    QStringLiteral("600"),
             QStringLiteral("1200"),  QStringLiteral("2400"),   QStringLiteral("4800"),
             QStringLiteral("9600"),  QStringLiteral("14400"),  QStringLiteral("19200"),
             QStringLiteral("28800"), QStringLiteral("38400"),  QStringLiteral("56000"),
             QStringLiteral("57600"), QStringLiteral("115200"), QStringLiteral("128000"),
             QStringLiteral("256000") };
}

QStringList dataBits()
{
    return { QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
             QStringLiteral("8") };
}

QStringList parities()
{
    // Marked for translation here, where the names are; the dialog shows them translated and
    // builds the settings text from these.
    static const char *const kParities[] = {
        QT_TRANSLATE_NOOP("LineSettingsText", "Even"),
        QT_TRANSLATE_NOOP("LineSettingsText", "Odd"),
        //: No parity bit.
        QT_TRANSLATE_NOOP("LineSettingsText", "None"),
        QT_TRANSLATE_NOOP("LineSettingsText", "Mark"),
        QT_TRANSLATE_NOOP("LineSettingsText", "Space"),
    };
    QStringList list;
    for (const char *name : kParities)
        list << QLatin1String(name);
    return list;
}

QString parityCaption(const QString &name)
{
    return QCoreApplication::translate("LineSettingsText", name.toLatin1().constData());
}

QStringList stopBits()
{
    return { QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2") };
}

} // namespace LineSettingsText
