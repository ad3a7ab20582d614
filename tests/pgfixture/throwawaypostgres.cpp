#include "throwawaypostgres.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>

#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kInside[] = "TILTBENCH_THROWAWAY_POSTGRES";
const char kStdout[] = "TILTBENCH_THROWAWAY_POSTGRES_STDOUT";

QString sourceFile(const char *relative)
{
    return QStringLiteral(TILTBENCH_SOURCE_DIR "/") + QLatin1String(relative);
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000)) {
        result.err = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

} // namespace

void ThrowawayPostgres::enter(int argc, char **argv)
{
    // pg_virtualenv talks on standard output; it was sent to standard error, and this program's
    // own output comes back here, so that a benchmark's table stays clean.
    if (qEnvironmentVariableIsSet(kStdout)) {
        const int saved = qEnvironmentVariableIntValue(kStdout);
        qunsetenv(kStdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
    }
    if (qEnvironmentVariableIsSet(kInside) || argc < 1)
        return;
    const QString wrapper = QStandardPaths::findExecutable(QStringLiteral("pg_virtualenv"));
    if (wrapper.isEmpty())
        return;
    // A port nobody listens on now; pg_virtualenv would otherwise take 5432 for every run.
    {
        QTcpServer probe;
        if (probe.listen(QHostAddress::LocalHost, 0))
            qputenv("PGPORT", QByteArray::number(probe.serverPort()));
    }
    qputenv(kInside, "1");
    std::vector<char *> arguments { const_cast<char *>("pg_virtualenv"), const_cast<char *>("-t") };
    for (int i = 0; i < argc; ++i)
        arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    const QByteArray path = wrapper.toLocal8Bit();
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(STDERR_FILENO, STDOUT_FILENO);
    qputenv(kStdout, QByteArray::number(saved));
    execv(path.constData(), arguments.data());
    // Not started: everything as it was.
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    qunsetenv(kStdout);
    qunsetenv(kInside);
}

bool ThrowawayPostgres::running()
{
    return qEnvironmentVariableIsSet(kInside) && qEnvironmentVariableIsSet("PGHOST")
        && qEnvironmentVariableIsSet("PG_CLUSTER_CONF_ROOT");
}

ThrowawayPostgres::ThrowawayPostgres()
    : m_adminPassword(qEnvironmentVariable("PGPASSWORD"))
{
    // The logins under test find their passwords where libpq looks for them, as on a bench.
    qunsetenv("PGPASSWORD");
    m_passFile = m_folder.filePath(QStringLiteral("pgpass"));
    QFile file(m_passFile);
    if (file.open(QIODevice::WriteOnly))
        file.close();
    ::chmod(QFile::encodeName(m_passFile).constData(), 0600);
    qputenv("PGPASSFILE", QFile::encodeName(m_passFile));
    // The server runs as the postgres user when the tests run as root; it reads the key there.
    ::chmod(QFile::encodeName(m_folder.path()).constData(), 0755);
}

int ThrowawayPostgres::port() const
{
    return qEnvironmentVariableIntValue("PGPORT");
}

bool ThrowawayPostgres::sql(const QString &statements, const QString &database,
                            QString *error) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), m_adminPassword);
    const Run result = run(QStringLiteral("psql"),
                           { QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                             QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), database,
                             QStringLiteral("-c"), statements },
                           env);
    if (error)
        *error = result.err.trimmed();
    return result.status == 0;
}

QString ThrowawayPostgres::value(const QString &query, const QString &database) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), m_adminPassword);
    const Run result = run(QStringLiteral("psql"),
                           { QStringLiteral("-X"), QStringLiteral("-tA"), QStringLiteral("-d"),
                             database, QStringLiteral("-c"), query },
                           env);
    return result.status == 0 ? result.out.trimmed().section(u'\n', 0, 0) : result.err.trimmed();
}

QString ThrowawayPostgres::sqlAs(const QString &login, const QString &statements,
                                 const QString &database) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("PGPASSWORD"));
    const Run result
        = run(QStringLiteral("psql"),
              { QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-w"),
                QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-U"),
                login, QStringLiteral("-d"), database, QStringLiteral("-c"), statements },
              env);
    return result.status == 0 ? QString() : result.err.trimmed();
}

bool ThrowawayPostgres::createClassDatabase(const QString &name) const
{
    if (!sql(QStringLiteral("CREATE DATABASE \"%1\"").arg(name)))
        return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSWORD"), m_adminPassword);
    const Run result = run(QStringLiteral("psql"),
                           { QStringLiteral("-X"), QStringLiteral("-q"), QStringLiteral("-v"),
                             QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-d"), name,
                             QStringLiteral("-f"), sourceFile("data/class-server.sql") },
                           env);
    if (result.status != 0)
        qWarning("class-server.sql: %s", qPrintable(result.err));
    return result.status == 0;
}

bool ThrowawayPostgres::addLogin(const QString &login, const QString &password, const QString &role)
{
    if (!sql(QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = "
                            "'%1') THEN CREATE ROLE \"%1\" LOGIN PASSWORD '%2'; END IF; END $$;"
                            " GRANT %3 TO \"%1\"")
                 .arg(login, password, role)))
        return false;
    QFile file(m_passFile);
    if (!file.open(QIODevice::Append))
        return false;
    file.write(QStringLiteral("*:*:*:%1:%2\n").arg(login, password).toUtf8());
    return true;
}

ClassServerSettings ThrowawayPostgres::settings(const QString &database,
                                                const QString &station) const
{
    ClassServerSettings settings;
    settings.host = qEnvironmentVariable("PGHOST");
    settings.port = port();
    settings.database = database;
    settings.station = station;
    return settings;
}

bool ThrowawayPostgres::pgCtl(const char *action) const
{
    QStringList arguments { qEnvironmentVariable("PGVERSION"), QStringLiteral("regress"),
                            QLatin1String(action) };
    if (qstrcmp(action, "stop") == 0)
        arguments << QStringLiteral("-m") << QStringLiteral("fast");
    const Run result
        = run(QStringLiteral("pg_ctlcluster"), arguments, QProcessEnvironment::systemEnvironment());
    if (result.status != 0)
        qWarning("pg_ctlcluster %s: %s", action, qPrintable(result.err));
    return result.status == 0;
}

bool ThrowawayPostgres::stop() const
{
    return pgCtl("stop");
}

bool ThrowawayPostgres::start() const
{
    return pgCtl("start");
}

bool ThrowawayPostgres::enableTls(const QString &certificate, const QString &key) const
{
    const QString dataFolder
        = value(QStringLiteral("SHOW data_directory"), QStringLiteral("postgres"));
    const QFileInfo owner(dataFolder);
    const QString cert = m_folder.filePath(QStringLiteral("served.crt"));
    const QString keyCopy = m_folder.filePath(QStringLiteral("served.key"));
    QFile::remove(cert);
    QFile::remove(keyCopy);
    if (!QFile::copy(certificate, cert) || !QFile::copy(key, keyCopy))
        return false;
    // The server refuses a key that others may read, and must own it.
    ::chmod(QFile::encodeName(keyCopy).constData(), 0600);
    ::chmod(QFile::encodeName(cert).constData(), 0644);
    if (::geteuid() == 0) {
        if (::chown(QFile::encodeName(keyCopy).constData(), owner.ownerId(), owner.groupId()) != 0)
            return false;
    }
    return sql(QStringLiteral("ALTER SYSTEM SET ssl_cert_file = '%1'").arg(cert))
        && sql(QStringLiteral("ALTER SYSTEM SET ssl_key_file = '%1'").arg(keyCopy))
        && sql(QStringLiteral("ALTER SYSTEM SET ssl = on"))
        && sql(QStringLiteral("SELECT pg_reload_conf()"));
}

bool ThrowawayPostgres::disableTls() const
{
    return sql(QStringLiteral("ALTER SYSTEM SET ssl = off"))
        && sql(QStringLiteral("SELECT pg_reload_conf()"));
}
