#include "classfeed.h"

#include "classconnection.h"

ClassFeed::ClassFeed(ClassConnection &connection, Backoff backoff, QObject *parent)
    : QObject(parent)
    , m_connection(connection)
    , m_backoff(backoff)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ClassFeed::start);
    connect(&m_connection, &ClassConnection::watching, this, &ClassFeed::watching);
    connect(&m_connection, &ClassConnection::fetched, this, &ClassFeed::fetched);
    connect(&m_connection, &ClassConnection::changed, this, &ClassFeed::changed);
    connect(&m_connection, &ClassConnection::failed, this, &ClassFeed::failed);
}

void ClassFeed::start()
{
    setState(State::Loading);
    m_connection.watch();
}

void ClassFeed::setFilter(const ClassFilter &filter)
{
    m_filter = filter;
    // Without the announcements a fetch could miss what arrives meanwhile: it waits for them.
    if (m_watching) {
        setState(State::Loading);
        fetch();
    }
}

void ClassFeed::fetch()
{
    ++m_fetches;
    m_connection.fetch(m_filter);
}

void ClassFeed::watching()
{
    m_watching = true;
    fetch();
}

void ClassFeed::fetched(const QList<ClassResult> &results)
{
    if (--m_fetches > 0)
        return;
    m_backoff.reset();
    emit loaded(results);
    setState(State::Live);
}

void ClassFeed::changed(const QList<ClassResult> &results)
{
    QList<ClassResult> passing;
    for (const ClassResult &result : results) {
        if (m_filter.matches(result))
            passing << result;
    }
    if (!passing.isEmpty())
        emit arrived(passing);
}

void ClassFeed::failed(const ClassFault &fault)
{
    // The connection closed itself: the announcements and any fetch under way are gone.
    m_watching = false;
    m_fetches = 0;
    m_fault = fault;
    setState(State::Offline);
    m_retry.start(m_backoff.next());
}

void ClassFeed::setState(State state)
{
    m_state = state;
    emit stateChanged();
}
