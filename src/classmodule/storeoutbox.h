#pragma once

#include "classoutbox.h"

class ResultsStore;
struct StoredRun;
struct StoredTrial;

// The class server's outbox as the results database keeps it (the table `outbox`, filled by the
// database itself in the transaction of each trial and each change of Use or Note). Tells of new
// items after each of this program's writes and each of another program's.
class StoreOutbox : public ClassOutbox
{
    Q_OBJECT

public:
    explicit StoreOutbox(ResultsStore &store, QObject *parent = nullptr);

    // Nothing, while the database cannot be read: the items wait there.
    QList<OutboxItem> pending(int limit) override;
    qsizetype pendingCount() override;
    bool remove(const QList<qint64> &ids) override;

    static ClassRun runOf(const StoredRun &run);
    static ClassTrial trialOf(const StoredTrial &trial, const QString &runUuid);

private:
    ResultsStore &m_store;
};
