#include "classsender.h"

#include "classconnection.h"
#include "classoutbox.h"

ClassSender::ClassSender(ClassOutbox &outbox, ClassConnection &connection, Backoff backoff,
                         QObject *parent)
    : QObject(parent)
    , m_outbox(outbox)
    , m_connection(connection)
    , m_backoff(backoff)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ClassSender::next);
    connect(&m_connection, &ClassConnection::opened, this, &ClassSender::opened);
    connect(&m_connection, &ClassConnection::sent, this, &ClassSender::sent);
    connect(&m_connection, &ClassConnection::failed, this, &ClassSender::failed);
}

void ClassSender::start()
{
    m_status.waiting = m_outbox.pendingCount();
    emit statusChanged();
    next();
}

void ClassSender::next()
{
    if (m_busy || m_retry.isActive())
        return;
    const QList<OutboxItem> items = m_outbox.pending(kBatch);
    if (items.isEmpty()) {
        // Nothing to send: the connection is still opened, so that the status line tells the
        // truth about the server before the first trial.
        if (m_status.state != State::Connected) {
            m_busy = true;
            m_connection.open();
        }
        return;
    }
    m_busy = true;
    m_connection.send(items);
}

void ClassSender::opened()
{
    m_busy = false;
    m_backoff.reset();
    setStatus(State::Connected);
    next();
}

void ClassSender::sent(const QList<qint64> &ids)
{
    m_busy = false;
    m_backoff.reset();
    const bool removed = m_outbox.remove(ids);
    m_status.waiting = m_outbox.pendingCount();
    setStatus(State::Connected);
    // Items the outbox could not forget would be sent again at once, and again: wait between.
    if (removed)
        next();
    else
        retryLater();
}

void ClassSender::failed(const ClassFault &fault)
{
    m_busy = false;
    m_status.waiting = m_outbox.pendingCount();
    setStatus(State::Offline, fault);
    retryLater();
}

void ClassSender::queued()
{
    // Items queued in one go (Use unticked on many rows, an opened file) go in one batch: the
    // sending waits for the event loop's next turn.
    if (m_queuedPending)
        return;
    m_queuedPending = true;
    QTimer::singleShot(0, this, [this] {
        m_queuedPending = false;
        m_status.waiting = m_outbox.pendingCount();
        emit statusChanged();
        next();
    });
}

void ClassSender::retryLater()
{
    m_retry.start(m_backoff.next());
}

void ClassSender::setStatus(State state, const ClassFault &fault)
{
    m_status.state = state;
    m_status.fault = fault;
    emit statusChanged();
}
