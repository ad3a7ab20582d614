#pragma once

#include "classdatabase.h"

#include <QCoreApplication>
#include <QSet>

#include <functional>

QT_BEGIN_NAMESPACE
class QSqlDatabase;
class QVariant;
QT_END_NAMESPACE

// The class server's database through Qt's QPSQL driver. It owns one QSqlDatabase connection, which
// Qt allows to be used only on the thread that made it: the connection's own thread.
class PsqlDatabase : public ClassDatabase
{
    Q_DECLARE_TR_FUNCTIONS(PsqlDatabase)

public:
    PsqlDatabase(const ClassServerSettings &settings, const QString &driver);
    ~PsqlDatabase() override;

    std::variant<ClassLogin, ClassFault> open() override;
    std::optional<ClassFault> send(const QList<OutboxItem> &items) override;
    Results fetch(const ClassFilter &filter) override;
    Results fetchTrials(const QStringList &uuids) override;
    std::optional<ClassFault> listen(std::function<void(const QString &)> announced) override;
    std::optional<ClassFault> ping() override;
    void close() override;

private:
    std::optional<ClassFault> connectIfClosed();
    std::optional<ClassFault> checkLogin(QSqlDatabase &db);
    ClassFault fail(const ClassFault &fault);
    Results select(const QString &where, const QVariantList &values);

    ClassServerSettings m_settings;
    QString m_driver;
    QString m_name;
    bool m_open = false;
    ClassLogin m_login;
    // Runs this connection has already sent; their trials need not send them again.
    QSet<QString> m_runsSent;
    bool m_listening = false;
    std::function<void(const QString &)> m_announced;
};
