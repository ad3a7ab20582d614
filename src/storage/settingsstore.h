#pragma once

#include <QString>

// The per-user settings store: one text value under an application name, a section and a key.
// The port settings are only ever written; the class server's are read back at start-up.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;

    // Whether anything is stored in the section. Cheaper than reading a value: where it can, it
    // looks at the file without parsing the settings, so that start-up pays next to nothing.
    virtual bool HasSection(const QString &appName, const QString &section) const = 0;

    // The stored value, or `fallback` when there is none.
    virtual QString GetSetting(const QString &appName, const QString &section, const QString &key,
                               const QString &fallback) const = 0;

    // Creates or replaces the value; false when it could not be written.
    virtual bool SaveSetting(const QString &appName, const QString &section, const QString &key,
                             const QString &value)
        = 0;
};
