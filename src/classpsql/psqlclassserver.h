#pragma once

#include "classserver.h"

// Connections to a PostgreSQL class server through Qt's QPSQL driver, each with its own thread.
// Qt SQL comes with the class server module, which is loaded at the first connection's first
// request (or when the dialog asks for the driver); a bench without a class server maps none of
// it.
class PsqlClassServer : public ClassServer
{
public:
    // `driver` is Qt's name of the SQL driver; tests name a missing one.
    explicit PsqlClassServer(const QString &driver = QStringLiteral("QPSQL"));

    bool driverAvailable() const override;
    std::unique_ptr<ClassConnection> connect(const ClassServerSettings &settings) override;

private:
    QString m_driver;
};
