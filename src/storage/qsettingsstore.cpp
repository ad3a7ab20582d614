#include "qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QSettings>

bool QSettingsStore::SaveSetting(const QString &appName, const QString &section, const QString &key,
                                 const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString QSettingsStore::GetSetting(const QString &appName, const QString &section,
                                   const QString &key, const QString &fallback) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    return settings.value(section + u'/' + key, fallback).toString();
}

bool QSettingsStore::HasSection(const QString &appName, const QString &section) const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The settings file of QSettings' native format here, found as QSettings finds it; a section
    // is a line "[name]", spaces written as %20. Reading it raw keeps QSettings' parser, and the
    // memory it takes, out of a start-up that needs no settings.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    QFile file(QStringLiteral("%1/%2/%2.conf").arg(config, appName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = '[' + section.toUtf8().replace(' ', "%20") + ']';
    const QByteArray text = '\n' + file.readAll();
    return text.contains('\n' + header + '\n') || text.contains('\n' + header + "\r\n");
#else
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    return settings.childGroups().contains(section);
#endif
}
