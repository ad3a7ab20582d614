#pragma once

// The class sync room: what sits between the class server's connections and the windows. The
// sender empties the bench's outbox into the server; ClassMessages turns what the connection
// reports into the operator's words. QtCore only.

#include "backoff.h"
#include "classfault.h"

#include <QObject>
#include <QTimer>

class ClassConnection;
class ClassOutbox;

// Sends what waits in the outbox to the class server, a batch (up to 200) at a time, oldest first,
// and removes each batch from the outbox once the server has committed it. When the server is away
// it tries again after a wait that doubles up to 30 s, and sends everything when it is back. A
// batch whose answer was lost is sent again; the server keys trials by uuid and keeps the first.
class ClassSender : public QObject
{
    Q_OBJECT

public:
    enum class State { Connecting, Connected, Offline };

    struct Status
    {
        State state = State::Connecting;
        qsizetype waiting = 0;
        // Why the last try failed, while offline.
        ClassFault fault;
    };

    static constexpr int kBatch = 200;

    ClassSender(ClassOutbox &outbox, ClassConnection &connection, Backoff backoff = Backoff(),
                QObject *parent = nullptr);

    // Connects, and sends whatever waits.
    void start();
    // Something was queued in the outbox (its owner tells: the outbox's signal may come from
    // across the class module's boundary, where a connection to it could not be made).
    void queued();
    Status status() const { return m_status; }
    // How long until the next try while offline.
    int retryInMs() const { return m_retry.remainingTime(); }

signals:
    void statusChanged();

private:
    void next();
    void opened();
    void sent(const QList<qint64> &ids);
    void failed(const ClassFault &fault);
    void setStatus(State state, const ClassFault &fault = {});
    void retryLater();

    ClassOutbox &m_outbox;
    ClassConnection &m_connection;
    Backoff m_backoff;
    QTimer m_retry;
    bool m_busy = false;
    bool m_queuedPending = false;
    Status m_status;
};
