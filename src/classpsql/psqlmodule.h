#pragma once

// The class server module: the only user of Qt SQL, loaded when the program first connects to a
// class server, so that a bench without one starts as before.

#include "classdatabase.h"

#include <QObject>

class PsqlModule : public QObject, public ClassDatabaseFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClassDatabaseFactory_iid)
    Q_INTERFACES(ClassDatabaseFactory)

public:
    bool driverAvailable(const QString &driver) const override;
    std::unique_ptr<ClassDatabase> create(const ClassServerSettings &settings,
                                          const QString &driver) override;
};
