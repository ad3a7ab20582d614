#pragma once

#include "classserversettings.h"

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server made for one test or benchmark run by Debian's pg_virtualenv and dropped
// when the run ends. The program calls enter() first thing in main(): it runs itself again inside
// pg_virtualenv, on a free port, so that tests running side by side do not share a server.
// Without pg_virtualenv the program runs on as it is, and running() says so: its test cases skip.
//
// Everything is done as a client would do it: psql for the administrator's statements, libpq's
// password file for the logins (the environment's password is taken away from the test itself).
class ThrowawayPostgres
{
public:
    static constexpr const char *kSkipReason = "skipped: PostgreSQL not installed";

    static void enter(int argc, char **argv);
    static bool running();

    ThrowawayPostgres();

    int port() const;
    // Runs SQL as the superuser; false with psql's words in `error` when it fails.
    bool sql(const QString &statements, const QString &database = QStringLiteral("postgres"),
             QString *error = nullptr) const;
    // The first column of the first row, as psql prints it.
    QString value(const QString &query, const QString &database) const;
    // Runs SQL as a login (its password from the password file); psql's error text, empty when
    // it worked.
    QString sqlAs(const QString &login, const QString &statements, const QString &database) const;

    // A database made and prepared with the class server script.
    bool createClassDatabase(const QString &name) const;
    // A login in one of the script's group roles, with its password in the password file.
    bool addLogin(const QString &login, const QString &password, const QString &role);

    ClassServerSettings settings(const QString &database, const QString &station) const;

    // Stops the server quickly (open connections are cut) and starts it again.
    bool stop() const;
    bool start() const;

    // Turns TLS on with the given certificate and key (copied where the server may read them),
    // or off.
    bool enableTls(const QString &certificate, const QString &key) const;
    bool disableTls() const;

    QString folder() const { return m_folder.path(); }

private:
    bool pgCtl(const char *action) const;

    QTemporaryDir m_folder;
    QString m_adminPassword;
    QString m_passFile;
};

// main() of a test that needs the throw-away server: `App` is QCoreApplication or QApplication.
#define TILTBENCH_POSTGRES_TEST_MAIN(TestObject, App)                                              \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        ThrowawayPostgres::enter(argc, argv);                                                      \
        App app(argc, argv);                                                                       \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
