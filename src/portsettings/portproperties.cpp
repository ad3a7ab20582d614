#include "portproperties.h"

#include "settingsstore.h"

void PortProperties::record(SettingsStore &store, const QString &appName) const
{
    const QString section = QString::fromLatin1(kSection);
    const auto write = [&](const char *key, const QString &value) {
        // Ignored on purpose: see the header.
        (void)store.SaveSetting(appName, section, QString::fromLatin1(key), value);
    };
    write("Settings", settings);
    write("CommPort", QString::number(commPort));
    write("Handshaking", QString::number(handshaking));
    write("Echo", echo ? QStringLiteral("True") : QStringLiteral("False"));
}
