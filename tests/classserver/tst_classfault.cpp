#include "classfault.h"

#include <QTest>

// The kinds are told from libpq's and the server's own words (a failed connection carries no
// SQLSTATE through Qt's driver): each row is a message as libpq 15 or the server wrote it.
class tst_ClassFault : public QObject
{
    Q_OBJECT

private slots:
    void kindFromTheWords_data();
    void kindFromTheWords();
};

void tst_ClassFault::kindFromTheWords_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("state");
    QTest::addColumn<ClassFault::Kind>("kind");
    QTest::addColumn<QString>("essence");

    using Kind = ClassFault::Kind;
    QTest::newRow("refused, two addresses tried")
        << "connection to server at \"localhost\" (127.0.0.1), port 5999 failed: Connection "
           "refused\n\tIs the server running on that host and accepting TCP/IP connections?\n"
           "connection to server at \"localhost\" (::1), port 5999 failed: Cannot assign "
           "requested address"
        << "" << Kind::Refused << "Connection refused";
    QTest::newRow("wrong password")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: FATAL:  password "
           "authentication failed for user \"bench1\""
        << "" << Kind::WrongPassword << "password authentication failed for user \"bench1\"";
    QTest::newRow("no password in pgpass")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: fe_sendauth: no "
           "password supplied"
        << "" << Kind::NoPassword << "fe_sendauth: no password supplied";
    QTest::newRow("no such database")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: FATAL:  database "
           "\"nolab\" does not exist"
        << "" << Kind::NoSuchDatabase << "database \"nolab\" does not exist";
    QTest::newRow("server without TLS")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: server does not "
           "support SSL, but SSL was required"
        << "" << Kind::TlsRequired << "server does not support SSL, but SSL was required";
    QTest::newRow("server only with TLS")
        << "connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  no pg_hba.conf "
           "entry for host \"10.0.0.9\", user \"b1\", database \"lab\", no encryption"
        << "" << Kind::TlsRequired
        << "no pg_hba.conf entry for host \"10.0.0.9\", user \"b1\", database \"lab\", no "
           "encryption";
    QTest::newRow("host not allowed")
        << "connection to server at \"db\" (10.0.0.5), port 5432 failed: FATAL:  no pg_hba.conf "
           "entry for host \"10.0.0.9\", user \"b1\", database \"lab\", SSL encryption"
        << "" << Kind::PermissionDenied
        << "no pg_hba.conf entry for host \"10.0.0.9\", user \"b1\", database \"lab\", SSL "
           "encryption";
    QTest::newRow("certificate from another CA")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: SSL error: "
           "certificate verify failed"
        << "" << Kind::CertificateNotTrusted << "SSL error: certificate verify failed";
    QTest::newRow("certificate for another host")
        << "connection to server at \"127.0.0.1\", port 5432 failed: server certificate for "
           "\"localhost\" does not match host name \"127.0.0.1\""
        << "" << Kind::CertificateNotTrusted
        << "server certificate for \"localhost\" does not match host name \"127.0.0.1\"";
    QTest::newRow("CA file missing")
        << "connection to server at \"localhost\" (127.0.0.1), port 5432 failed: root certificate "
           "file \"/nonexistent\" does not exist\nEither provide the file or change sslmode."
        << "" << Kind::CaFileMissing << "root certificate file \"/nonexistent\" does not exist";
    QTest::newRow("host name unknown")
        << "could not translate host name \"no.such.host.invalid\" to address: Name or service "
           "not known"
        << "" << Kind::HostNotFound
        << "could not translate host name \"no.such.host.invalid\" to address: Name or service "
           "not known";
    QTest::newRow("service unknown")
        << "definition of service \"lab\" not found"
        << "" << Kind::BadSettings << "definition of service \"lab\" not found";
    QTest::newRow("server stopped under a statement")
        << "server closed the connection unexpectedly\n\tThis probably means the server "
           "terminated abnormally\n\tbefore or while processing the request."
        << "" << Kind::ConnectionLost << "server closed the connection unexpectedly";
    QTest::newRow("administrator shutdown, by state")
        << "terminating connection due to administrator command\n(57P01)"
        << "57P01" << Kind::ConnectionLost << "terminating connection due to administrator command";
    QTest::newRow("update refused, by state")
        << "ERROR:  permission denied for table trials\n(42501)"
        << "42501" << Kind::PermissionDenied << "permission denied for table trials";
    QTest::newRow("insert for another station, by state")
        << "ERROR:  new row violates row-level security policy for table \"trials\"\n(42501)"
        << "42501" << Kind::PermissionDenied
        << "new row violates row-level security policy for table \"trials\"";
    QTest::newRow("script not loaded, by state")
        << "ERROR:  relation \"tiltbench.runs\" does not exist\nLINE 1: INSERT INTO "
           "tiltbench.runs\n(42P01)"
        << "42P01" << Kind::NotPrepared << "relation \"tiltbench.runs\" does not exist";
    QTest::newRow("unknown state keeps the words")
        << "ERROR:  value too long for type character varying(3)\n(22001)"
        << "22001" << Kind::Other << "value too long for type character varying(3)";
}

void tst_ClassFault::kindFromTheWords()
{
    QFETCH(QString, message);
    QFETCH(QString, state);
    QFETCH(ClassFault::Kind, kind);
    QFETCH(QString, essence);

    const ClassFault fault = ClassFault::classify(message, state);
    QCOMPARE(fault.kind, kind);
    QCOMPARE(fault.message, essence);
    QCOMPARE(fault.sqlState, state);
}

QTEST_APPLESS_MAIN(tst_ClassFault)
#include "tst_classfault.moc"
