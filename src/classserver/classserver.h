#pragma once

// The class server room: how this program reaches the PostgreSQL server that collects the
// class's trials. QtCore and Qt SQL only; it knows no window and speaks no operator's sentence.
//
// ClassServerSettings is where the server is; ClassServer makes ClassConnections to it, each of
// which runs its database work on a thread of its own and answers with signals; the work itself
// (ClassDatabase) is done by the class server module (src/classpsql), the only user of Qt SQL,
// loaded at first use. ClassFault says what failed in the database's terms; ClassOutbox is the
// queue of what waits to be sent, which the bench's own database keeps. The sender and the
// windows sit above.

#include "classconnection.h"
#include "classserversettings.h"

#include <memory>

// Makes connections to a class server. The real one speaks PostgreSQL through Qt's QPSQL driver;
// tests hand in a fake.
class ClassServer
{
public:
    virtual ~ClassServer() = default;

    // Whether the database driver is installed.
    virtual bool driverAvailable() const = 0;

    virtual std::unique_ptr<ClassConnection> connect(const ClassServerSettings &settings) = 0;
};
