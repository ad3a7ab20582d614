#include "storeoutbox.h"

#include "resultsstore.h"

#include <cmath>

namespace {

std::optional<double> value(double stored)
{
    return std::isnan(stored) ? std::nullopt : std::optional<double>(stored);
}

} // namespace

StoreOutbox::StoreOutbox(ResultsStore &store, QObject *parent)
    : ClassOutbox(parent)
    , m_store(store)
{
    connect(&m_store, &ResultsStore::written, this, &ClassOutbox::added);
    connect(&m_store, &ResultsStore::changedElsewhere, this, &ClassOutbox::added);
}

ClassRun StoreOutbox::runOf(const StoredRun &stored)
{
    ClassRun run;
    run.uuid = stored.uuid;
    run.name = stored.name;
    run.startedUtc = stored.startedUtc;
    run.notes = stored.notes;
    run.angleUncDeg = stored.angleUncDeg;
    run.lengthUncCm = stored.lengthUncCm;
    run.deltaTUncMs = stored.deltaTUncMs;
    return run;
}

ClassTrial StoreOutbox::trialOf(const StoredTrial &stored, const QString &runUuid)
{
    ClassTrial trial;
    trial.uuid = stored.uuid;
    trial.runUuid = runUuid;
    trial.seq = stored.seq;
    trial.timeUtc = stored.timeUtc;
    trial.sample = stored.sample;
    trial.kind = stored.kinetic ? ClassTrial::Kind::Kinetic : ClassTrial::Kind::Static;
    trial.angleDeg = stored.angleDeg;
    trial.lengthCm = value(stored.lengthCm);
    trial.deltaTMs = value(stored.deltaTMs);
    trial.gMs2 = value(stored.gravity);
    trial.mu = stored.mu;
    trial.angleUncDeg = stored.angleUncDeg;
    trial.lengthUncCm = value(stored.lengthUncCm);
    trial.deltaTUncMs = value(stored.deltaTUncMs);
    trial.muUncertainty = stored.muUncertainty;
    trial.excluded = stored.excluded;
    trial.note = stored.note;
    return trial;
}

QList<OutboxItem> StoreOutbox::pending(int limit)
{
    const auto entries = m_store.outbox(limit);
    if (!std::holds_alternative<QList<ResultsStore::OutboxEntry>>(entries))
        return {};
    QList<OutboxItem> items;
    QList<qint64> orphans;
    for (const ResultsStore::OutboxEntry &entry :
         std::get<QList<ResultsStore::OutboxEntry>>(entries)) {
        if (entry.change) {
            items << OutboxItem {
                entry.id, TrialChange { entry.trial.uuid, entry.trial.excluded, entry.trial.note }
            };
        } else if (entry.trialFound) {
            items << OutboxItem {
                entry.id, NewTrial { runOf(entry.run), trialOf(entry.trial, entry.run.uuid) }
            };
        } else {
            orphans << entry.id;
        }
    }
    // A trial deleted before it was sent: nothing to send, and its entry goes.
    if (!orphans.isEmpty())
        m_store.removeFromOutbox(orphans);
    return items;
}

qsizetype StoreOutbox::pendingCount()
{
    const auto count = m_store.outboxCount();
    return std::holds_alternative<qint64>(count) ? qsizetype(std::get<qint64>(count)) : 0;
}

bool StoreOutbox::remove(const QList<qint64> &ids)
{
    return !m_store.removeFromOutbox(ids);
}
