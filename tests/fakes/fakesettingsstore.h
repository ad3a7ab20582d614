#pragma once

#include "settingsstore.h"

#include <QStringList>

// A settings store for tests: records each write as "app/section/key=value", and can fail the
// writes of chosen keys.
class FakeSettingsStore : public SettingsStore
{
public:
    bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &value) override
    {
        if (failingKeys.contains(key))
            return false;
        writes << QStringLiteral("%1/%2/%3=%4").arg(appName, section, key, value);
        return true;
    }

    QStringList writes;
    QStringList failingKeys;
};
