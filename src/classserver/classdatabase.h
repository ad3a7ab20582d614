#pragma once

#include "classfault.h"
#include "classfilter.h"
#include "classlogin.h"
#include "classoutbox.h"
#include "classserversettings.h"
#include "classtrial.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <variant>

// The database work of one connection to the class server (PsqlDatabase does it with Qt SQL).
// Blocking: it is used on the connection's own thread only, never on a window's. A failure closes
// it; the next call opens it again.
class ClassDatabase
{
public:
    using Results = std::variant<QList<ClassResult>, ClassFault>;

    virtual ~ClassDatabase() = default;

    // Connects unless connected, and tells who the login is.
    virtual std::variant<ClassLogin, ClassFault> open() = 0;
    // The items in one transaction, runs before their trials and changes after.
    virtual std::optional<ClassFault> send(const QList<OutboxItem> &items) = 0;
    virtual Results fetch(const ClassFilter &filter) = 0;
    // The trials of these uuids, as far as the login may read them.
    virtual Results fetchTrials(const QStringList &uuids) = 0;
    // From now on hands each announced trial's uuid to `announced`, on this thread.
    virtual std::optional<ClassFault> listen(std::function<void(const QString &)> announced) = 0;
    // Asks the server whether it is still there.
    virtual std::optional<ClassFault> ping() = 0;
    virtual void close() = 0;
};
