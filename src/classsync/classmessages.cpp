#include "classmessages.h"

QString ClassMessages::passwordFile()
{
    const QString named = qEnvironmentVariable("PGPASSFILE");
    return named.isEmpty() ? QStringLiteral("~/.pgpass") : named;
}

QString ClassMessages::server(const ClassServerSettings &settings)
{
    if (!settings.service.trimmed().isEmpty())
        return tr("service %1").arg(settings.service.trimmed());
    QString text = QStringLiteral("%1:%2").arg(settings.host.trimmed()).arg(settings.port);
    if (!settings.database.trimmed().isEmpty())
        text += tr(", database %1").arg(settings.database.trimmed());
    return text;
}

QString ClassMessages::reason(const ClassFault &fault)
{
    using Kind = ClassFault::Kind;
    switch (fault.kind) {
    case Kind::DriverMissing:
        return tr("%1 not installed").arg(driverPackage());
    case Kind::BadSettings:
        return tr("settings not usable");
    case Kind::HostNotFound:
        return tr("host not found");
    case Kind::Refused:
        return tr("refused");
    case Kind::Unreachable:
        return tr("no answer");
    case Kind::WrongPassword:
        return tr("wrong password");
    case Kind::NoPassword:
        return tr("no password in .pgpass");
    case Kind::TlsRequired:
        return tr("TLS required");
    case Kind::CertificateNotTrusted:
        return tr("certificate not trusted");
    case Kind::CaFileMissing:
        return tr("CA file missing");
    case Kind::NoSuchDatabase:
        return tr("no such database");
    case Kind::PermissionDenied:
        return tr("permission denied");
    case Kind::NotPrepared:
        return tr("database not prepared");
    case Kind::ConnectionLost:
        return tr("connection lost");
    case Kind::Other:
        break;
    }
    // The server's own words, cut to fit a status line.
    const QString words = fault.message.left(40);
    return words.size() < fault.message.size() ? words + QStringLiteral("...") : words;
}

QString ClassMessages::describe(const ClassFault &fault, const ClassServerSettings &settings)
{
    using Kind = ClassFault::Kind;
    const QString where = server(settings);
    const QString station = settings.station.trimmed();
    QString what;
    QString todo;
    switch (fault.kind) {
    case Kind::DriverMissing:
        return tr("Qt's PostgreSQL driver (QPSQL) is not installed, so Tiltbench cannot "
                  "reach a class server. Install the package %1 (sudo apt-get install "
                  "%1) and try again.")
            .arg(driverPackage());
    case Kind::BadSettings:
        what = tr("The class server settings cannot be used");
        todo = tr("Correct them in Options > Class Server....");
        break;
    case Kind::HostNotFound:
        what = tr("The class server's host name was not found (%1)").arg(where);
        todo = tr("Check the host name and the network connection.");
        break;
    case Kind::Refused:
        what = tr("The class server refused the connection: nothing answers at %1").arg(where);
        todo = tr("Check the host and port, and that the server is running.");
        break;
    case Kind::Unreachable:
        what = tr("The class server did not answer (%1)").arg(where);
        todo = tr("Check the network connection, the host and the port.");
        break;
    case Kind::WrongPassword:
        what = tr("The class server refused the password of the login \"%1\" (%2)")
                   .arg(station, where);
        todo = tr("Correct the password for this login in %1, or ask the server's "
                  "administrator whether the login exists.")
                   .arg(passwordFile());
        break;
    case Kind::NoPassword:
        what = tr("The class server asks for a password, and %1 holds none for the "
                  "login \"%2\"")
                   .arg(passwordFile(), station);
        todo = tr("Add a line host:port:database:login:password to that file (readable "
                  "by you alone: chmod 600). Tiltbench does not store passwords.");
        break;
    case Kind::TlsRequired:
        what = tr("The connection needs TLS on one side and the other does not offer "
                  "it (%1)")
                   .arg(where);
        todo = tr("Ask the server's administrator to turn TLS on, or choose the TLS "
                  "mode the server supports.");
        break;
    case Kind::CertificateNotTrusted:
        what = tr("The class server's certificate is not trusted: it is not signed by "
                  "the CA file given, or it names another host (%1)")
                   .arg(where);
        todo = tr("Check the CA file and that the host name is the one in the "
                  "server's certificate.");
        break;
    case Kind::CaFileMissing:
        what = tr("The CA file for verify-full cannot be read");
        todo = tr("Choose the certificate authority's file in Options > Class "
                  "Server....");
        break;
    case Kind::NoSuchDatabase:
        what = tr("The class server has no such database (%1)").arg(where);
        todo = tr("Check the database name.");
        break;
    case Kind::PermissionDenied:
        what = tr("The class server denied the login \"%1\" permission (%2)").arg(station, where);
        todo = tr("Ask the server's administrator to grant the login the role "
                  "tiltbench_station (benches) or tiltbench_instructor.");
        break;
    case Kind::NotPrepared:
        what = tr("The database has not been prepared for Tiltbench (%1)").arg(where);
        todo = tr("The server's administrator loads class-server.sql into it (see "
                  "docs/class-server.md).");
        break;
    case Kind::ConnectionLost:
        what = tr("The connection to the class server was lost (%1)").arg(where);
        todo = tr("Tiltbench tries again by itself; nothing waiting is lost.");
        break;
    case Kind::Other:
        what = tr("The class server reported a failure (%1)").arg(where);
        todo = tr("Tiltbench tries again by itself; nothing waiting is lost.");
        break;
    }
    QString text = what + QLatin1Char('.');
    if (!fault.message.isEmpty())
        text += tr("\n\nThe server said: %1").arg(fault.message);
    return text + QStringLiteral("\n\n") + todo;
}

QString ClassMessages::status(const ClassSender::Status &status)
{
    const qsizetype waiting = status.waiting;
    switch (status.state) {
    case ClassSender::State::Offline: {
        const QString why = reason(status.fault);
        return waiting > 0 ? tr("Class: offline (%1), %2 waiting").arg(why).arg(waiting)
                           : tr("Class: offline (%1)").arg(why);
    }
    case ClassSender::State::Connecting:
        return waiting > 0 ? tr("Class: %1 waiting").arg(waiting) : tr("Class: connecting");
    case ClassSender::State::Connected:
        break;
    }
    return waiting > 0 ? tr("Class: %1 waiting").arg(waiting) : tr("Class: connected");
}
