#pragma once

#include <QString>

#include <optional>
#include <variant>

class SettingsStore;

// Where this bench's trials go, as the Class Server dialog keeps it: the server's address and
// database, the station's login name and how the connection is protected; or a libpq service name
// that holds all of these. A password is never part of it: libpq reads it from ~/.pgpass (or the
// file PGPASSFILE names), so it never lands in Tiltbench's own settings file.
struct ClassServerSettings
{
    enum class Tls { Prefer, Require, VerifyFull };

    QString host;
    int port = 5432;
    QString database;
    // The PostgreSQL login of this bench; the server files each trial under it.
    QString station;
    Tls tls = Tls::Prefer;
    // The certificate authority that signed the server's certificate (verify-full only).
    QString caFile;
    // A service of pg_service.conf; when set, it replaces everything above.
    QString service;

    // Sending and the Class Results window are off until a host or a service is given.
    bool isConfigured() const { return !host.trimmed().isEmpty() || !service.trimmed().isEmpty(); }

    // The connection options in libpq's keyword=value form, or the field whose value cannot be
    // passed on (the driver splits its options at ';').
    struct Rejected
    {
        QString field;
    };
    std::variant<QString, Rejected> connectOptions() const;

    static QString tlsText(Tls tls);
    static std::optional<Tls> tlsFromText(const QString &text);
    // The default station name: this computer's host name.
    static QString defaultStation();

    // Read from and written to the settings store's "Class Server" section; missing keys give the
    // defaults above (the station: this computer's host name, once a host or service is set).
    static ClassServerSettings read(const SettingsStore &store);
    bool write(SettingsStore &store) const;

    friend bool operator==(const ClassServerSettings &, const ClassServerSettings &) = default;
};
