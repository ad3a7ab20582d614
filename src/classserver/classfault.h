#pragma once

#include <QMetaType>
#include <QString>

// What went wrong between this program and the class server, in the database's own terms: the
// kind of failure, libpq's or the server's words, and the SQLSTATE where the server gave one.
// The operator's sentences are made from it elsewhere (ClassMessages).
struct ClassFault
{
    enum class Kind {
        // Qt's PostgreSQL driver (QPSQL) is not installed.
        DriverMissing,
        // A setting cannot be used as given (a ';' in a value, an unknown service).
        BadSettings,
        HostNotFound,
        // Nothing listens at the host and port.
        Refused,
        // No answer in time, or no route to the host.
        Unreachable,
        WrongPassword,
        // libpq found no password for this login in ~/.pgpass.
        NoPassword,
        // One side insists on TLS and the other does not offer it.
        TlsRequired,
        // The server's certificate is not signed by the CA given, or names another host.
        CertificateNotTrusted,
        CaFileMissing,
        NoSuchDatabase,
        PermissionDenied,
        // The database has not been prepared with the class server script.
        NotPrepared,
        // The connection broke off (the server stopped or restarted, the network went away).
        ConnectionLost,
        Other
    };

    Kind kind = Kind::Other;
    // libpq's or the server's own words, first line, without libpq's "connection to server at ...
    // failed:" preamble and the "FATAL:" severity.
    QString message;
    QString sqlState;

    // Tells the kind from a failed connection or statement. Connection failures carry no SQLSTATE
    // through Qt's driver, so libpq's (English) messages decide there; a statement's SQLSTATE
    // decides where it is given.
    static ClassFault classify(const QString &message, const QString &sqlState = {});
};

Q_DECLARE_METATYPE(ClassFault)
