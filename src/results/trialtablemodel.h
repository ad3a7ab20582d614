#pragma once

#include <QAbstractTableModel>

class ResultsSession;

// The open run's trials as a table for a view: one row per trial, the columns of the Results
// window. The Use check box, the sample and the note are editable; every edit goes to the session,
// which writes it. Values are formatted when a view asks for them, so a run of a hundred thousand
// trials costs the session's list and no widgets.
class TrialTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Use,
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
        Note,
        ColumnCount
    };

    explicit TrialTableModel(ResultsSession &session, QObject *parent = nullptr);

    // The text of a cell as shown, or for copying (full precision) when `exact`.
    QString text(int row, int column, bool exact = false) const;
    // The rows as tab-separated text with a header line, numbers at full precision.
    QString copyText(QList<int> rows) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    void reset();
    void appended(int first, int last);
    void changed(int first, int last);
    bool spansDays() const;

    ResultsSession &m_session;
    // The rows the views know of: the session's list may be ahead of them for a moment.
    int m_rows = 0;
    // Where a run spans more than one day, the Time column shows the date too.
    bool m_spansDays = false;
};
