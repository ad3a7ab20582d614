#include "classfault.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// libpq's first line without its preamble and the server's severity word.
QString essence(const QString &message)
{
    QString text = message.trimmed();
    // Several addresses may have been tried (IPv4 and IPv6); the first says most.
    static const QRegularExpression preamble(QStringLiteral(
        "^(?:QPSQL: [^\\n]*\\n)?(?:connection to server (?:at|on) [^\\n]*? failed: )"));
    text.remove(preamble);
    text = text.section(u'\n', 0, 0).trimmed();
    static const QRegularExpression severity(QStringLiteral("^(?:FATAL|ERROR):\\s+"));
    text.remove(severity);
    // The driver appends the SQLSTATE in parentheses to a statement's error.
    static const QRegularExpression state(QStringLiteral("\\s*\\([0-9A-Z]{5}\\)$"));
    text.remove(state);
    return text;
}

bool has(const QString &text, const char *words)
{
    return text.contains(QLatin1String(words), Qt::CaseInsensitive);
}

ClassFault::Kind fromState(const QString &state)
{
    using Kind = ClassFault::Kind;
    if (state == QLatin1String("28P01"))
        return Kind::WrongPassword;
    if (state == QLatin1String("3D000"))
        return Kind::NoSuchDatabase;
    if (state == QLatin1String("42501") || state == QLatin1String("28000"))
        return Kind::PermissionDenied;
    // An undefined table, function or role: the class server script was not run.
    if (state == QLatin1String("42P01") || state == QLatin1String("42883")
        || state == QLatin1String("42704"))
        return Kind::NotPrepared;
    // Administrator shutdown, crash shutdown, cannot connect now, and the connection exceptions.
    if (state.startsWith(QLatin1String("57P")) || state.startsWith(QLatin1String("08")))
        return Kind::ConnectionLost;
    return Kind::Other;
}

} // namespace

ClassFault ClassFault::classify(const QString &message, const QString &sqlState)
{
    ClassFault fault;
    fault.message = essence(message);
    fault.sqlState = sqlState;
    if (!sqlState.isEmpty()) {
        fault.kind = fromState(sqlState);
        if (fault.kind != Kind::Other)
            return fault;
    }

    const QString &text = fault.message;
    // The order matters where one message holds the words of another.
    if (has(text, "driver not loaded") || has(text, "driver not available"))
        fault.kind = Kind::DriverMissing;
    else if (has(text, "password authentication failed"))
        fault.kind = Kind::WrongPassword;
    else if (has(text, "no password supplied"))
        fault.kind = Kind::NoPassword;
    else if (has(text, "does not support SSL") || has(text, "no encryption"))
        fault.kind = Kind::TlsRequired;
    else if (has(text, "root certificate file") || has(text, "could not read root certificate"))
        fault.kind = Kind::CaFileMissing;
    else if (has(text, "certificate verify failed") || has(text, "does not match host name")
             || has(text, "self-signed certificate") || has(text, "unable to get local issuer"))
        fault.kind = Kind::CertificateNotTrusted;
    else if ((has(text, "database \"") && has(text, "does not exist")))
        fault.kind = Kind::NoSuchDatabase;
    else if (has(text, "permission denied") || has(text, "row-level security")
             || has(text, "no pg_hba.conf entry") || has(text, "is not a member"))
        fault.kind = Kind::PermissionDenied;
    else if (has(text, "could not translate host name"))
        fault.kind = Kind::HostNotFound;
    else if (has(text, "Connection refused") || has(text, "No such file or directory"))
        fault.kind = Kind::Refused;
    else if (has(text, "timeout expired") || has(text, "No route to host")
             || has(text, "Network is unreachable") || has(text, "timed out"))
        fault.kind = Kind::Unreachable;
    else if (has(text, "server closed the connection") || has(text, "terminating connection")
             || has(text, "no connection to the server") || has(text, "connection not open")
             || has(text, "the database system is") || has(text, "SSL SYSCALL error")
             || has(text, "could not send data") || has(text, "could not receive data"))
        fault.kind = Kind::ConnectionLost;
    else if (has(text, "definition of service") || has(text, "invalid connection option")
             || has(text, "invalid sslmode") || has(text, "missing \"=\""))
        fault.kind = Kind::BadSettings;
    else if (has(text, "relation \"") && has(text, "does not exist"))
        fault.kind = Kind::NotPrepared;
    return fault;
}
