#include "psqlclassserver.h"

#include "psqlconnection.h"

#include <QSqlDatabase>

PsqlClassServer::PsqlClassServer(const QString &driver)
    : m_driver(driver)
{
}

std::unique_ptr<ClassConnection> PsqlClassServer::connect(const ClassServerSettings &settings)
{
    return std::make_unique<PsqlConnection>(settings, m_driver);
}

bool PsqlClassServer::driverAvailable() const
{
    return QSqlDatabase::isDriverAvailable(m_driver);
}
