#pragma once

#include "classoutbox.h"

#include <QMap>

// A station's outbox in memory, for the benchmark's stations.
class MemoryOutbox : public ClassOutbox
{
public:
    qint64 add(const std::variant<NewTrial, TrialChange> &what)
    {
        const qint64 id = ++m_lastId;
        m_items.insert(id, OutboxItem { id, what });
        emit added();
        return id;
    }

    QList<OutboxItem> pending(int limit) override { return m_items.values().mid(0, limit); }
    qsizetype pendingCount() override { return m_items.size(); }
    bool remove(const QList<qint64> &ids) override
    {
        for (qint64 id : ids)
            m_items.remove(id);
        return true;
    }

private:
    QMap<qint64, OutboxItem> m_items;
    qint64 m_lastId = 0;
};
