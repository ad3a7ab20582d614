#pragma once

#include "classconnection.h"
#include "classserversettings.h"

#include <QSet>
#include <QSqlDriver>
#include <QStringList>

#include <optional>
#include <variant>

QT_BEGIN_NAMESPACE
class QSqlDatabase;
class QSqlError;
class QSqlQuery;
class QTimer;
QT_END_NAMESPACE

// The database side of a PsqlConnection: lives on the connection's thread and owns its QSqlDatabase
// (Qt allows a database connection to be used only on the thread that made it). Every request
// opens the connection when it is closed; every failure closes it, so that the next request
// starts afresh.
class PsqlWorker : public QObject
{
    Q_OBJECT

public:
    PsqlWorker(const ClassServerSettings &settings, const QString &driver);
    ~PsqlWorker() override;

    void open();
    void send(const QList<OutboxItem> &items);
    void fetch(const ClassFilter &filter);
    void watch();

signals:
    void opened(const ClassLogin &login);
    void sent(const QList<qint64> &ids);
    void fetched(const QList<ClassResult> &results);
    void watching();
    void changed(const QList<ClassResult> &results);
    void failed(const ClassFault &fault);

private:
    using Results = std::variant<QList<ClassResult>, ClassFault>;

    std::optional<ClassFault> openIfClosed();
    std::optional<ClassFault> checkLogin(QSqlDatabase &db);
    void close();
    void fail(const ClassFault &fault);
    Results select(const QString &where, const QVariantList &values);
    void notified(const QString &channel, QSqlDriver::NotificationSource source,
                  const QVariant &payload);
    void fetchChanged();
    void ping();

    ClassServerSettings m_settings;
    QString m_driver;
    QString m_name;
    bool m_open = false;
    ClassLogin m_login;
    // Runs this connection has already sent; their trials need not send them again.
    QSet<QString> m_runsSent;
    bool m_watching = false;
    QStringList m_changedUuids;
    bool m_fetchScheduled = false;
    QTimer *m_ping = nullptr;
};
