#pragma once

#include "backoff.h"
#include "classfault.h"
#include "classfilter.h"

#include <QObject>
#include <QTimer>

class ClassConnection;

// What the Class Results window shows, kept live: it listens for the server's announcements
// first, then reads every trial the filter lets through, and from then on passes on each trial
// that is added or changed. When the connection breaks it tries again after a wait that doubles
// up to 30 s, and reads everything again once it is back, so that nothing committed meanwhile
// is missed.
class ClassFeed : public QObject
{
    Q_OBJECT

public:
    enum class State { Loading, Live, Offline };

    ClassFeed(ClassConnection &connection, Backoff backoff = Backoff(), QObject *parent = nullptr);

    // Reads everything again with this filter.
    void setFilter(const ClassFilter &filter);
    void start();

    State state() const { return m_state; }
    const ClassFault &fault() const { return m_fault; }
    int retryInMs() const { return m_retry.remainingTime(); }

signals:
    // Everything that passes the filter, replacing what was shown.
    void loaded(const QList<ClassResult> &results);
    // Trials added or changed since, that pass the filter.
    void arrived(const QList<ClassResult> &results);
    void stateChanged();

private:
    void watching();
    void fetched(const QList<ClassResult> &results);
    void changed(const QList<ClassResult> &results);
    void failed(const ClassFault &fault);
    void fetch();
    void setState(State state);

    ClassConnection &m_connection;
    Backoff m_backoff;
    QTimer m_retry;
    ClassFilter m_filter;
    State m_state = State::Loading;
    ClassFault m_fault;
    bool m_watching = false;
    // Fetches asked for and not yet answered; only the answer to the last one is shown.
    int m_fetches = 0;
};
