#pragma once

#include "classfault.h"
#include "classsender.h"
#include "classserversettings.h"

#include <QCoreApplication>
#include <QString>

// The operator's words about the class server: what failed and what to do, for the Class Server
// dialog, the Class Results window and the status bar. The connection reports faults in the
// database's terms; this is the one place that says them to a person.
class ClassMessages
{
    Q_DECLARE_TR_FUNCTIONS(ClassMessages)

public:
    // The Debian package that holds Qt's PostgreSQL driver.
    static QString driverPackage() { return QStringLiteral("libqt6sql6-psql"); }

    // A few words for a status line: "refused", "wrong password", "no such database".
    static QString reason(const ClassFault &fault);

    // What failed, with the server's own words, and what to do about it.
    static QString describe(const ClassFault &fault, const ClassServerSettings &settings);

    // "Class: connected", "Class: 3 waiting", "Class: offline (refused), 3 waiting".
    static QString status(const ClassSender::Status &status);

    // "localhost:5432, database lab", or "service lab".
    static QString server(const ClassServerSettings &settings);

private:
    // Where libpq looks for passwords: the file PGPASSFILE names, or ~/.pgpass.
    static QString passwordFile();
};
