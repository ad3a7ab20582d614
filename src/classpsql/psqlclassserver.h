#pragma once

// The PostgreSQL room: the class server through Qt's QPSQL driver, the only code of the program
// that uses Qt SQL. PsqlClassServer makes the connections; PsqlDatabase does each one's work on
// its thread. The program maps it only through the class module.

#include "classserver.h"

// Connections to a PostgreSQL class server through Qt's QPSQL driver, each with its own thread.
class PsqlClassServer : public ClassServer
{
public:
    // `driver` is Qt's name of the SQL driver; tests name a missing one.
    explicit PsqlClassServer(const QString &driver = QStringLiteral("QPSQL"))
        : m_driver(driver)
    {
    }

    bool driverAvailable() const override;
    std::unique_ptr<ClassConnection> connect(const ClassServerSettings &settings) override;

private:
    QString m_driver;
};
