#pragma once

#include "resultssummary.h"

#include <QAbstractTableModel>

class ResultsSession;

// The summary of the open run's used trials as a table: one row per sample and kind, with the
// plain and the weighted mean and a note in plain words where a row needs one. A new trial updates
// its group in place; anything else counts again.
class SummaryTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Sample,
        Kind,
        Count,
        Mean,
        StandardDeviation,
        StandardError,
        WeightedMean,
        WeightedUncertainty,
        ReducedChiSquare,
        Note,
        ColumnCount
    };

    explicit SummaryTableModel(ResultsSession &session, QObject *parent = nullptr);

    const QList<SummaryGroup> &groups() const { return m_summary.groups(); }

    // A cell's text and a column's heading, the same in every window and in the report.
    static QString text(const SummaryGroup &group, int column);
    static QString heading(int column);

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
