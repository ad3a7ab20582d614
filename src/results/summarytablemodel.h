#pragma once

#include "resultssummary.h"

#include <QAbstractTableModel>

class ResultsSession;

// The summary of the open run's used trials as a table: one row per sample and kind. A new trial
// updates its group in place; anything else counts again.
class SummaryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Sample, Kind, Count, Mean, StandardDeviation, StandardError, ColumnCount };

    explicit SummaryTableModel(ResultsSession &session, QObject *parent = nullptr);

    const QList<SummaryGroup> &groups() const { return m_summary.groups(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void recount();
    void appended(int first, int last);

    ResultsSession &m_session;
    ResultsSummary m_summary;
};
