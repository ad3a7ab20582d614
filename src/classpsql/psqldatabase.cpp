#include "psqldatabase.h"

#include <QAtomicInt>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

namespace {

// The channel the server's trigger notifies on; the payload is the uuids of the trials a
// statement added or changed, comma-separated.
const QString kChannel = QStringLiteral("tiltbench_trials");

const QString kSelect = QStringLiteral(
    "SELECT CAST(t.uuid AS text), t.station, CAST(r.uuid AS text), r.name,"
    " CAST(extract(epoch FROM r.started_utc) * 1000 AS bigint), r.notes, r.angle_unc_deg,"
    " r.length_unc_cm, r.delta_t_unc_ms, t.seq,"
    " CAST(extract(epoch FROM t.time_utc) * 1000 AS bigint), t.sample, t.kind, t.angle_deg,"
    " t.length_cm, t.delta_t_ms, t.g_m_s2, t.mu, t.angle_unc_deg, t.length_unc_cm,"
    " t.delta_t_unc_ms, t.mu_uncertainty, t.excluded, t.note"
    " FROM tiltbench.trials t JOIN tiltbench.runs r ON r.uuid = t.run_uuid");

QVariant optional(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

std::optional<double> optional(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
}

// The driver sends a null QString as NULL; the server's text columns take no NULL.
QVariant text(const QString &value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

// A value as the driver writes it into a statement: quoted and escaped, NULL for a null one.
QString literal(const QSqlDriver *driver, const QVariant &value)
{
    QSqlField field(QString(), value.metaType());
    field.setValue(value);
    return driver->formatValue(field);
}

QString row(const QSqlDriver *driver, std::initializer_list<QVariant> values)
{
    QStringList literals;
    for (const QVariant &value : values)
        literals << literal(driver, value);
    return u'(' + literals.join(u',') + u')';
}

QString isoUtc(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime fromMs(const QVariant &value)
{
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

ClassResult resultOf(const QSqlQuery &query)
{
    ClassResult result;
    int column = 0;
    const auto next = [&query, &column] { return query.value(column++); };
    ClassTrial &trial = result.trial;
    ClassRun &run = result.run;
    trial.uuid = next().toString();
    result.station = next().toString();
    run.uuid = next().toString();
    trial.runUuid = run.uuid;
    run.name = next().toString();
    run.startedUtc = fromMs(next());
    run.notes = next().toString();
    run.angleUncDeg = next().toDouble();
    run.lengthUncCm = next().toDouble();
    run.deltaTUncMs = next().toDouble();
    trial.seq = next().toInt();
    trial.timeUtc = fromMs(next());
    trial.sample = next().toString();
    trial.kind = next().toString() == QLatin1String("kinetic") ? ClassTrial::Kind::Kinetic
                                                               : ClassTrial::Kind::Static;
    trial.angleDeg = next().toDouble();
    trial.lengthCm = optional(next());
    trial.deltaTMs = optional(next());
    trial.gMs2 = optional(next());
    trial.mu = next().toDouble();
    trial.angleUncDeg = next().toDouble();
    trial.lengthUncCm = optional(next());
    trial.deltaTUncMs = optional(next());
    trial.muUncertainty = next().toDouble();
    trial.excluded = next().toBool();
    trial.note = next().toString();
    return result;
}

ClassFault faultOf(const QSqlError &error)
{
    return ClassFault::classify(error.databaseText().isEmpty() ? error.text()
                                                               : error.databaseText(),
                                error.nativeErrorCode());
}

// A LIKE pattern that matches `text` anywhere, its own wildcards taken literally.
QString containing(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\"));
    escaped.replace(u'%', QStringLiteral("\\%"));
    escaped.replace(u'_', QStringLiteral("\\_"));
    return u'%' + escaped + u'%';
}

} // namespace

PsqlDatabase::PsqlDatabase(const ClassServerSettings &settings, const QString &driver)
    : m_settings(settings)
    , m_driver(driver)
{
    static QAtomicInt serial;
    m_name = QStringLiteral("tiltbench-class-%1").arg(serial.fetchAndAddRelaxed(1));
}

PsqlDatabase::~PsqlDatabase()
{
    close();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::removeDatabase(m_name);
}

std::optional<ClassFault> PsqlDatabase::connectIfClosed()
{
    if (m_open)
        return std::nullopt;
    if (!QSqlDatabase::isDriverAvailable(m_driver))
        return ClassFault { ClassFault::Kind::DriverMissing, m_driver, {} };
    const auto options = m_settings.connectOptions();
    if (const auto *rejected = std::get_if<ClassServerSettings::Rejected>(&options)) {
        return ClassFault { ClassFault::Kind::BadSettings,
                            tr("the %1 holds a ';'")
                                .arg(QCoreApplication::translate(
                                    "ClassServerSettings", rejected->field.toUtf8().constData())),
                            {} };
    }

    QSqlDatabase db = QSqlDatabase::contains(m_name) ? QSqlDatabase::database(m_name, false)
                                                     : QSqlDatabase::addDatabase(m_driver, m_name);
    if (m_settings.service.trimmed().isEmpty()) {
        db.setHostName(m_settings.host.trimmed());
        db.setPort(m_settings.port);
        db.setDatabaseName(m_settings.database.trimmed());
        db.setUserName(m_settings.station.trimmed());
    }
    db.setConnectOptions(std::get<QString>(options));
    if (!db.open())
        return faultOf(db.lastError());
    if (auto fault = checkLogin(db)) {
        db.close();
        return fault;
    }
    m_open = true;
    return std::nullopt;
}

std::optional<ClassFault> PsqlDatabase::checkLogin(QSqlDatabase &db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "SELECT session_user, pg_has_role(session_user, 'tiltbench_station', 'MEMBER'),"
            " pg_has_role(session_user, 'tiltbench_instructor', 'MEMBER'),"
            " to_regclass('tiltbench.trials') IS NOT NULL"))
        || !query.next())
        return faultOf(query.lastError());
    m_login = { query.value(0).toString(), query.value(1).toBool(), query.value(2).toBool() };
    if (!query.value(3).toBool()) {
        return ClassFault { ClassFault::Kind::NotPrepared,
                            tr("the table tiltbench.trials does not exist"),
                            {} };
    }
    if (!m_login.station && !m_login.instructor) {
        return ClassFault { ClassFault::Kind::PermissionDenied,
                            tr("the login \"%1\" is not a member of tiltbench_station "
                               "or tiltbench_instructor")
                                .arg(m_login.user),
                            QStringLiteral("42501") };
    }
    return std::nullopt;
}

void PsqlDatabase::close()
{
    m_open = false;
    m_runsSent.clear();
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::database(m_name, false).close();
}

ClassFault PsqlDatabase::fail(const ClassFault &fault)
{
    close();
    return fault;
}

std::variant<ClassLogin, ClassFault> PsqlDatabase::open()
{
    if (auto fault = connectIfClosed())
        return fail(*fault);
    return m_login;
}

std::optional<ClassFault> PsqlDatabase::send(const QList<OutboxItem> &items)
{
    if (auto fault = connectIfClosed())
        return fail(*fault);
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    const QSqlDriver *driver = db.driver();
    // One statement for the new runs and one for the trials, with a row per item: a batch costs a
    // few round trips, not two per trial, which is what lets a whole class send at once. The
    // driver writes each value as it does a bound one, escaped. The station column is left to the
    // server, which fills in the login.
    QStringList runRows;
    QStringList trialRows;
    QSet<QString> runsSent;
    for (const OutboxItem &item : items) {
        const auto *newTrial = std::get_if<NewTrial>(&item.what);
        if (!newTrial)
            continue;
        const auto &[run, trial] = *newTrial;
        if (!m_runsSent.contains(run.uuid) && !runsSent.contains(run.uuid)) {
            runRows << row(driver,
                           { QVariant(run.uuid), text(run.name), QVariant(isoUtc(run.startedUtc)),
                             text(run.notes), QVariant(run.angleUncDeg), QVariant(run.lengthUncCm),
                             QVariant(run.deltaTUncMs) });
            runsSent.insert(run.uuid);
        }
        trialRows << row(driver,
                         { QVariant(trial.uuid), QVariant(run.uuid), QVariant(trial.seq),
                           QVariant(isoUtc(trial.timeUtc)), text(trial.sample),
                           QVariant(ClassTrial::kindText(trial.kind)), QVariant(trial.angleDeg),
                           optional(trial.lengthCm), optional(trial.deltaTMs), optional(trial.gMs2),
                           QVariant(trial.mu), QVariant(trial.angleUncDeg),
                           optional(trial.lengthUncCm), optional(trial.deltaTUncMs),
                           QVariant(trial.muUncertainty), QVariant(trial.excluded),
                           text(trial.note) });
    }
    QStringList statements;
    if (!runRows.isEmpty()) {
        statements << QStringLiteral("INSERT INTO tiltbench.runs (uuid, name, started_utc, notes,"
                                     " angle_unc_deg, length_unc_cm, delta_t_unc_ms) VALUES ")
                + runRows.join(u',') + QStringLiteral(" ON CONFLICT (uuid) DO NOTHING");
    }
    if (!trialRows.isEmpty()) {
        statements << QStringLiteral(
                          "INSERT INTO tiltbench.trials (uuid, run_uuid, seq, time_utc, sample,"
                          " kind, angle_deg, length_cm, delta_t_ms, g_m_s2, mu, angle_unc_deg,"
                          " length_unc_cm, delta_t_unc_ms, mu_uncertainty, excluded, note) VALUES ")
                + trialRows.join(u',') + QStringLiteral(" ON CONFLICT (uuid) DO NOTHING");
    }
    // The changes after the trials they may refer to, in the order they were made.
    for (const OutboxItem &item : items) {
        if (const auto *change = std::get_if<TrialChange>(&item.what)) {
            statements << QStringLiteral("SELECT tiltbench.change_trial(CAST(%1 AS uuid), %2, %3)")
                              .arg(literal(driver, change->uuid), literal(driver, change->excluded),
                                   literal(driver, text(change->note)));
        }
    }

    std::optional<ClassFault> fault;
    if (!db.transaction())
        fault = faultOf(db.lastError());
    for (qsizetype i = 0; !fault && i < statements.size(); ++i) {
        QSqlQuery query(db);
        if (!query.exec(statements.at(i)))
            fault = faultOf(query.lastError());
    }
    if (!fault && !db.commit())
        fault = faultOf(db.lastError());
    if (fault) {
        if (db.isOpen())
            db.rollback();
        return fail(*fault);
    }
    m_runsSent.unite(runsSent);
    return std::nullopt;
}

PsqlDatabase::Results PsqlDatabase::select(const QString &where, const QVariantList &values)
{
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    query.setForwardOnly(true);
    const QString statement
        = kSelect + where + QStringLiteral(" ORDER BY t.station, r.started_utc, r.uuid, t.seq");
    // Without values the statement goes in one round trip instead of three (prepare, execute,
    // deallocate): what a busy server answers soonest.
    const bool done = values.isEmpty() ? query.exec(statement) : query.prepare(statement) && [&] {
        for (const QVariant &value : values)
            query.addBindValue(value);
        return query.exec();
    }();
    if (!done)
        return faultOf(query.lastError());
    QList<ClassResult> results;
    while (query.next())
        results << resultOf(query);
    if (query.lastError().isValid())
        return faultOf(query.lastError());
    return results;
}

PsqlDatabase::Results PsqlDatabase::fetch(const ClassFilter &filter)
{
    if (auto fault = connectIfClosed())
        return fail(*fault);
    QStringList conditions;
    QVariantList values;
    if (filter.fromUtc.isValid()) {
        conditions << QStringLiteral("t.time_utc >= CAST(? AS timestamptz)");
        values << isoUtc(filter.fromUtc);
    }
    if (filter.toUtc.isValid()) {
        conditions << QStringLiteral("t.time_utc < CAST(? AS timestamptz)");
        values << isoUtc(filter.toUtc);
    }
    if (!filter.runName.isEmpty()) {
        conditions << QStringLiteral("r.name ILIKE ?");
        values << containing(filter.runName);
    }
    const QString where = conditions.isEmpty()
        ? QString()
        : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    const Results results = select(where, values);
    if (const auto *fault = std::get_if<ClassFault>(&results))
        return fail(*fault);
    return results;
}

PsqlDatabase::Results PsqlDatabase::fetchTrials(const QStringList &announced)
{
    if (auto fault = connectIfClosed())
        return fail(*fault);
    // The uuids come from the server's own trigger; each is checked to be one all the same, since
    // they are written into the statement: as one array, which the server parses far sooner than
    // a list of as many constants.
    QStringList uuids;
    for (const QString &text : announced) {
        const QUuid uuid = QUuid::fromString(text);
        if (!uuid.isNull())
            uuids << uuid.toString(QUuid::WithoutBraces);
    }
    uuids.removeDuplicates();
    if (uuids.isEmpty())
        return QList<ClassResult>();
    const Results results = select(QStringLiteral(" WHERE t.uuid = ANY (CAST('{") + uuids.join(u',')
                                       + QStringLiteral("}' AS uuid[]))"),
                                   {});
    if (const auto *fault = std::get_if<ClassFault>(&results))
        return fail(*fault);
    return results;
}

std::optional<ClassFault> PsqlDatabase::listen(std::function<void(const QString &)> announced)
{
    if (auto fault = connectIfClosed())
        return fail(*fault);
    m_announced = std::move(announced);
    QSqlDriver *driver = QSqlDatabase::database(m_name, false).driver();
    if (!driver->subscribedToNotifications().contains(kChannel)) {
        if (!driver->subscribeToNotification(kChannel))
            return fail(faultOf(driver->lastError()));
    }
    if (!m_listening) {
        m_listening = true;
        QObject::connect(driver, &QSqlDriver::notification, driver,
                         [this](const QString &channel, QSqlDriver::NotificationSource,
                                const QVariant &payload) {
                             // A statement's trials come in one notification.
                             if (channel == kChannel && m_announced) {
                                 const QStringList uuids = payload.toString().split(u',');
                                 for (const QString &uuid : uuids)
                                     m_announced(uuid);
                             }
                         });
    }
    return std::nullopt;
}

std::optional<ClassFault> PsqlDatabase::ping()
{
    if (!m_open)
        return ClassFault { ClassFault::Kind::ConnectionLost, tr("not connected"), {} };
    QSqlQuery query(QSqlDatabase::database(m_name, false));
    if (!query.exec(QStringLiteral("SELECT 1")))
        return fail(faultOf(query.lastError()));
    return std::nullopt;
}
