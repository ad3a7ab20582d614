#pragma once

#include "runningstatistics.h"
#include "trial.h"
#include "weightedmean.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

// The statistics of one sample and kind: count, mean, spread, and the inverse-variance weighted
// mean of µ from each trial's δµ, with the reduced χ² of the trials about it.
struct SummaryGroup
{
    QString sample;
    FrictionTrial::Kind kind = FrictionTrial::Kind::Static;
    RunningStatistics statistics;
    // µ ± δµ of the used trials, in order.
    QList<Measurement> measurements;
    // Nothing while a trial has no δµ above 0.
    std::optional<WeightedMean> weighted;
    // The sample's mean µk is above its mean µs: set on both of its rows.
    bool kineticAboveStatic = false;

    // What a reader should know about the row, in plain words, one sentence each: the scatter is
    // larger than the stated uncertainties, the mean µk is above the mean µs, no weighted mean.
    // `withAdvice` adds what to check, for a tooltip or a report.
    QStringList notes(bool withAdvice = false) const;
};

// The summary of a run's used trials, one group per sample and kind, in the order the groups first
// appear. groups() is the whole computation, for any list of trials (one run, or a class's); an
// object adds trials one at a time for a table that grows, and settle() brings the weighted means
// and the checks up to date after a batch.
class ResultsSummary
{
public:
    static QList<SummaryGroup> groups(const QList<Trial> &trials);

    // Adds the trial to its group; returns the group's row, or -1 for an excluded trial.
    int add(const Trial &trial);
    // Works out the weighted means of the groups added to since the last call, and which samples
    // have a mean µk above their mean µs.
    void settle();
    // The row of the trial's group, or -1 while it has none.
    int rowOf(const Trial &trial) const;
    const QList<SummaryGroup> &groups() const { return m_groups; }

private:
    QList<SummaryGroup> m_groups;
    QHash<std::pair<int, QString>, int> m_rowOf;
    QSet<int> m_unsettled;
};
