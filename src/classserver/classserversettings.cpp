#include "classserversettings.h"

#include "settingsstore.h"

#include <QCoreApplication>
#include <QStringList>
#include <QSysInfo>

namespace {

const QString kApp = QStringLiteral("Tiltbench");
const QString kSection = QStringLiteral("Class Server");

// A value in libpq's conninfo quoting: in single quotes, with quotes and backslashes escaped.
QString quoted(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + escaped + u'\'';
}

} // namespace

QString ClassServerSettings::tlsText(Tls tls)
{
    switch (tls) {
    case Tls::Prefer:
        return QStringLiteral("prefer");
    case Tls::Require:
        return QStringLiteral("require");
    case Tls::VerifyFull:
        return QStringLiteral("verify-full");
    }
    return {};
}

std::optional<ClassServerSettings::Tls> ClassServerSettings::tlsFromText(const QString &text)
{
    for (Tls tls : { Tls::Prefer, Tls::Require, Tls::VerifyFull }) {
        if (tlsText(tls) == text)
            return tls;
    }
    return std::nullopt;
}

QString ClassServerSettings::defaultStation()
{
    return QSysInfo::machineHostName();
}

std::variant<QString, ClassServerSettings::Rejected> ClassServerSettings::connectOptions() const
{
    // The driver turns every ';' of its options into a space before libpq sees them, so a value
    // holding one would be cut in two.
    const std::pair<QString, QString> fields[] {
        { QStringLiteral(QT_TRANSLATE_NOOP("ClassServerSettings", "service")), service.trimmed() },
        { QStringLiteral(QT_TRANSLATE_NOOP("ClassServerSettings", "host")), host.trimmed() },
        { QStringLiteral(QT_TRANSLATE_NOOP("ClassServerSettings", "database")),
          database.trimmed() },
        { QStringLiteral(QT_TRANSLATE_NOOP("ClassServerSettings", "station")), station.trimmed() },
        { QStringLiteral(QT_TRANSLATE_NOOP("ClassServerSettings", "CA file")), caFile.trimmed() },
    };
    for (const auto &[field, value] : fields) {
        if (value.contains(u';'))
            return Rejected { field };
    }

    // A server that does not answer is given up on after a few seconds; a link that dies while
    // idle or in the middle of a query is noticed by the kernel's keep-alives and the user
    // timeout rather than after the system's default of many minutes.
    QStringList options {
        QStringLiteral("connect_timeout=5"),         QStringLiteral("keepalives=1"),
        QStringLiteral("keepalives_idle=10"),        QStringLiteral("keepalives_interval=5"),
        QStringLiteral("keepalives_count=3"),        QStringLiteral("tcp_user_timeout=20000"),
        QStringLiteral("application_name=Tiltbench")
    };
    if (!service.trimmed().isEmpty()) {
        options << QStringLiteral("service=") + quoted(service.trimmed());
        return options.join(u' ');
    }
    options << QStringLiteral("sslmode=") + tlsText(tls);
    if (tls == Tls::VerifyFull && !caFile.trimmed().isEmpty())
        options << QStringLiteral("sslrootcert=") + quoted(caFile.trimmed());
    return options.join(u' ');
}

ClassServerSettings ClassServerSettings::read(const SettingsStore &store)
{
    const auto value = [&store](const char *key) {
        return store.GetSetting(kApp, kSection, QString::fromLatin1(key), {});
    };
    ClassServerSettings settings;
    // Most benches have none: then nothing is read, which keeps start-up as it was.
    if (!store.HasSection(kApp, kSection))
        return settings;
    settings.host = value("Host");
    settings.service = value("Service");
    if (!settings.isConfigured())
        return settings;
    bool numeric = false;
    const int port = value("Port").toInt(&numeric);
    if (numeric && port > 0 && port < 65536)
        settings.port = port;
    settings.database = value("Database");
    settings.station = value("Station");
    if (settings.station.isEmpty())
        settings.station = defaultStation();
    settings.tls = tlsFromText(value("TLS")).value_or(Tls::Prefer);
    settings.caFile = value("CAFile");
    return settings;
}

bool ClassServerSettings::write(SettingsStore &store) const
{
    const std::pair<const char *, QString> values[] {
        { "Host", host.trimmed() },
        { "Port", QString::number(port) },
        { "Database", database.trimmed() },
        { "Station", station.trimmed() },
        { "TLS", tlsText(tls) },
        { "CAFile", caFile.trimmed() },
        { "Service", service.trimmed() },
    };
    bool written = true;
    for (const auto &[key, value] : values)
        written = store.SaveSetting(kApp, kSection, QString::fromLatin1(key), value) && written;
    return written;
}
