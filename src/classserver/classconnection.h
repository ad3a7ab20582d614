#pragma once

#include "classfault.h"
#include "classfilter.h"
#include "classlogin.h"
#include "classoutbox.h"
#include "classtrial.h"

#include <QObject>

// One connection to the class server. Every request returns at once; its answer comes later as
// one signal, on the thread that made the request, in the order the requests were made. The
// connection opens by itself at the first request and after a failure; a failure closes it.
class ClassConnection : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Connects and asks who this login is: answered by opened() or failed().
    virtual void open() = 0;
    // Sends the items in one transaction, runs before their trials; a trial or run the server
    // already has is left as it is. Answered by sent() with the items' ids, or failed().
    virtual void send(const QList<OutboxItem> &items) = 0;
    // Every trial the login may read that the filter lets through: fetched() or failed().
    virtual void fetch(const ClassFilter &filter) = 0;
    // From now on, every trial inserted or changed by anyone comes as changed(), as far as this
    // login may read it; answered by watching() or failed(). While watching, a lost connection
    // is reported by failed() within seconds; watch again to go on.
    virtual void watch() = 0;

signals:
    void opened(const ClassLogin &login);
    void sent(const QList<qint64> &ids);
    void fetched(const QList<ClassResult> &results);
    void watching();
    void changed(const QList<ClassResult> &results);
    void failed(const ClassFault &fault);
};
