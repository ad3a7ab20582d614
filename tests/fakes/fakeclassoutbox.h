#pragma once

#include "classoutbox.h"

#include <QMap>

// An outbox in memory: items are numbered as they are queued; a test can make removals fail.
class FakeClassOutbox : public ClassOutbox
{
public:
    void add(const std::variant<NewTrial, TrialChange> &what)
    {
        const qint64 id = ++m_lastId;
        items.insert(id, OutboxItem { id, what });
        emit added();
    }

    QList<OutboxItem> pending(int limit) override { return items.values().mid(0, limit); }
    qsizetype pendingCount() override { return items.size(); }
    bool remove(const QList<qint64> &ids) override
    {
        ++removals;
        if (failingRemovals > 0) {
            --failingRemovals;
            return false;
        }
        for (qint64 id : ids)
            items.remove(id);
        return true;
    }

    QMap<qint64, OutboxItem> items;
    int failingRemovals = 0;
    int removals = 0;

private:
    qint64 m_lastId = 0;
};
