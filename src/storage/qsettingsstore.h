#pragma once

#include "settingsstore.h"

// The settings store backed by QSettings in its native per-user format: the registry on Windows,
// <config>/<appName>/<appName>.conf on Linux, with the section as the group. A write counts as
// failed only when the value is not in the store afterwards.
class QSettingsStore : public SettingsStore
{
public:
    bool HasSection(const QString &appName, const QString &section) const override;
    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &fallback) const override;
    bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &value) override;
};
