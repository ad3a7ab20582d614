#pragma once

#include "classtrial.h"

#include <QAbstractTableModel>
#include <QHash>

// Every station's trials as the Class Results window lists them, one row per trial, in the order
// they arrived; the view sorts them by station, run and trial number through kOrderRole. A trial
// that comes again (its Use or Note changed) replaces its row.
class ClassTrialModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Station,
        Run,
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
        Use,
        Note,
        ColumnCount
    };
    // A text that sorts the rows by station, run (oldest first) and trial number.
    static constexpr int kOrderRole = Qt::UserRole + 1;

    explicit ClassTrialModel(QObject *parent = nullptr);

    const QList<ClassResult> &results() const { return m_results; }
    void reset(const QList<ClassResult> &results);
    void upsert(const QList<ClassResult> &results);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    QString text(int row, int column) const;

private:
    static QString orderKey(const ClassResult &result);

    QList<ClassResult> m_results;
    QList<QString> m_order;
    QHash<QString, int> m_rowOf;
};
