#pragma once

#include "runningstatistics.h"
#include "trial.h"

#include <QHash>
#include <QList>

// The statistics of one sample and kind.
struct SummaryGroup
{
    QString sample;
    FrictionTrial::Kind kind = FrictionTrial::Kind::Static;
    RunningStatistics statistics;
};

// Count, mean, standard deviation and standard error of µ for each sample and kind, over the used
// trials only, in the order the groups first appear. groups() is the whole computation; an
// object adds trials one at a time for a table that grows.
class ResultsSummary
{
public:
    static QList<SummaryGroup> groups(const QList<Trial> &trials);

    // Adds the trial to its group; returns the group's row, or -1 for an excluded trial.
    int add(const Trial &trial);
    // The row of the trial's group, or -1 while it has none.
    int rowOf(const Trial &trial) const;
    const QList<SummaryGroup> &groups() const { return m_groups; }

private:
    QList<SummaryGroup> m_groups;
    QHash<std::pair<int, QString>, int> m_rowOf;
};
