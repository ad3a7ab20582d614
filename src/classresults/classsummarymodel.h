#pragma once

#include "classtrial.h"
#include "runningstatistics.h"

#include <QAbstractTableModel>

#include <optional>

struct WeightedMean;

// The summary of Class Results: per station, run, sample and kind, the count, mean, standard
// deviation and standard error of µ, as the Results window gives them, and the mean weighted by
// each trial's δµ with its uncertainty. Trials whose Use is off at their station are left out.
// Groups are ordered by station, run (oldest first), sample and kind.
class ClassSummaryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Station,
        Run,
        Sample,
        Kind,
        Count,
        Mean,
        StandardDeviation,
        StandardError,
        WeightedMeanValue,
        WeightedMeanUncertainty,
        ColumnCount
    };

    struct Group
    {
        QString station;
        ClassRun run;
        QString sample;
        ClassTrial::Kind kind = ClassTrial::Kind::Static;
        RunningStatistics statistics;
        // Absent where a trial has no positive δµ to weigh it by.
        std::optional<double> weightedMean;
        std::optional<double> weightedMeanUncertainty;
    };

    explicit ClassSummaryModel(QObject *parent = nullptr);

    const QList<Group> &groups() const { return m_groups; }
    void recount(const QList<ClassResult> &results);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Group> m_groups;
};
