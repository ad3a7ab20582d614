#include "psqlclassserver.h"

#include "classdatabase.h"
#include "classdatabasemodule.h"
#include "psqlconnection.h"

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
    // Without the module there is no driver either; the connection says why when it is tried.
    const auto factory = ClassDatabaseModule::factory();
    const auto *databases = std::get_if<ClassDatabaseFactory *>(&factory);
    return databases && (*databases)->driverAvailable(m_driver);
}
