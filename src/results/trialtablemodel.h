#pragma once

#include "trial.h"
#include "uncertaintypropagation.h"

#include <QAbstractTableModel>
#include <QList>

// The trials as a table for a view: one row per trial, the columns of the Results window. Only
// the sample cell is editable. Values are formatted when a view asks for them, so a day of a
// hundred thousand trials costs one list and no widgets.
class TrialTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Number,
        Time,
        Sample,
        Kind,
        Angle,
        Length,
        DeltaT,
        Gravity,
        Mu,
        MuUncertainty,
        ColumnCount
    };

    explicit TrialTableModel(QObject *parent = nullptr);

    const QList<Trial> &trials() const { return m_trials; }
    const Uncertainties &uncertainties() const { return m_uncertainties; }
    double muUncertainty(const Trial &trial) const;

    void append(const QList<Trial> &trials);
    void removeSortedRows(const QList<int> &descendingRows);
    void reset(const QList<Trial> &trials);
    void setUncertainties(const Uncertainties &uncertainties);

    // The text of a cell as shown, or for copying (full precision) when `exact`.
    QString text(int row, int column, bool exact = false) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void sampleEdited(int row);

private:
    QList<Trial> m_trials;
    Uncertainties m_uncertainties;
};
