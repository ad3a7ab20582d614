#include "resultssummary.h"

QList<SummaryGroup> ResultsSummary::groups(const QList<Trial> &trials)
{
    ResultsSummary summary;
    for (const Trial &trial : trials)
        summary.add(trial);
    return summary.m_groups;
}

int ResultsSummary::add(const Trial &trial)
{
    if (!trial.used())
        return -1;
    const std::pair key { int(trial.measurement.kind), trial.sample };
    auto found = m_rowOf.constFind(key);
    if (found == m_rowOf.cend()) {
        found = m_rowOf.insert(key, int(m_groups.size()));
        m_groups.append({ trial.sample, trial.measurement.kind, {} });
    }
    m_groups[*found].statistics.add(trial.mu);
    return *found;
}

int ResultsSummary::rowOf(const Trial &trial) const
{
    return m_rowOf.value({ int(trial.measurement.kind), trial.sample }, -1);
}
