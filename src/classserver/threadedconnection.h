#pragma once

#include "classconnection.h"

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QThread;
QT_END_NAMESPACE

class ClassDatabase;
class ClassWorker;

// A ClassConnection whose database work runs on a thread of its own, so that a server that is
// slow or gone never holds up the caller's thread. The requests travel to the worker as queued
// calls and its answers come back as queued signals.
class ThreadedConnection : public ClassConnection
{
    Q_OBJECT

public:
    using DatabaseMaker = std::function<std::unique_ptr<ClassDatabase>()>;

    // `makeDatabase` is called on the connection's thread, at its first request.
    explicit ThreadedConnection(DatabaseMaker makeDatabase);
    // Returns at once even while the worker waits on the network: a thread that does not end
    // within a moment is left to finish alone and is waited for only when the program ends.
    ~ThreadedConnection() override;

    void open() override;
    void send(const QList<OutboxItem> &items) override;
    void fetch(const ClassFilter &filter) override;
    void watch() override;

private:
    QThread *m_thread = nullptr;
    ClassWorker *m_worker = nullptr;
};
