#include "psqlmodule.h"

#include "psqldatabase.h"

#include <QSqlDatabase>

bool PsqlModule::driverAvailable(const QString &driver) const
{
    return QSqlDatabase::isDriverAvailable(driver);
}

std::unique_ptr<ClassDatabase> PsqlModule::create(const ClassServerSettings &settings,
                                                  const QString &driver)
{
    return std::make_unique<PsqlDatabase>(settings, driver);
}
