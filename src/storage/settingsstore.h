#pragma once

#include <QString>

// The per-user settings store. The program only ever writes to it: one text value under an
// application name, a section and a key.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Creates or replaces the value; false when it could not be written.
    virtual bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value)
        = 0;
};
