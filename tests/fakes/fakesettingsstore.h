#pragma once

#include "settingsstore.h"

#include <QHash>
#include <QStringList>

// A settings store for tests: records each write as "app/section/key=value", keeps the values for
// reading back, and can fail the writes of chosen keys.
class FakeSettingsStore : public SettingsStore
{
public:
    bool HasSection(const QString &appName, const QString &section) const override
    {
        const QString prefix = QStringLiteral("%1/%2/").arg(appName, section);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            if (it.key().startsWith(prefix))
                return true;
        }
        return false;
    }

    QString GetSetting(const QString &appName, const QString &section, const QString &key,
                       const QString &fallback) const override
    {
        return values.value(QStringLiteral("%1/%2/%3").arg(appName, section, key), fallback);
    }

    bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                     const QString &value) override
    {
        if (failingKeys.contains(key))
            return false;
        writes << QStringLiteral("%1/%2/%3=%4").arg(appName, section, key, value);
        values.insert(QStringLiteral("%1/%2/%3").arg(appName, section, key), value);
        return true;
    }

    QStringList writes;
    QStringList failingKeys;
    QHash<QString, QString> values;
};
