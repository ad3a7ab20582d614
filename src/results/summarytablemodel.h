#pragma once

#include "runningstatistics.h"
#include "trial.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

// Count, mean, standard deviation and standard error of µ for each sample and kind, in the order
// the groups first appear. A new trial updates its group in place; anything else recounts.
class SummaryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Sample, Kind, Count, Mean, StandardDeviation, StandardError, ColumnCount };

    struct Group
    {
        QString sample;
        FrictionTrial::Kind kind;
        RunningStatistics statistics;
    };

    explicit SummaryTableModel(QObject *parent = nullptr);

    const QList<Group> &groups() const { return m_groups; }

    void add(const Trial &trial);
    void recount(const QList<Trial> &trials);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    static QString key(const Trial &trial);
    void addWithoutSignals(const Trial &trial);

    QList<Group> m_groups;
    QHash<QString, int> m_rowOf;
};
