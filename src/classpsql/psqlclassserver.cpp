#include "psqlclassserver.h"

#include "psqldatabase.h"
#include "threadedconnection.h"

#include <QSqlDatabase>

bool PsqlClassServer::driverAvailable() const
{
    return QSqlDatabase::isDriverAvailable(m_driver);
}

std::unique_ptr<ClassConnection> PsqlClassServer::connect(const ClassServerSettings &settings)
{
    return std::make_unique<ThreadedConnection>(
        [settings, driver = m_driver] { return std::make_unique<PsqlDatabase>(settings, driver); });
}
