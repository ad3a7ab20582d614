#include "qsettingsstore.h"

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
