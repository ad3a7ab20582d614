#pragma once

#include "trafficrecorder.h"

#include <QAbstractListModel>

#include <optional>

// The lines the serial monitor shows: a range of the recorder's entries as of the last refresh.
// Lines are made up and formatted only when the view asks for them, so only the visible ones cost
// anything, and the model keeps no copy of the traffic. Frozen, it takes one, so that a paused view
// keeps its lines while the recorder goes on and drops old ones.
class TrafficModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TrafficModel(const TrafficRecorder &recorder, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Catches up with the recorder: drops the lines it no longer has, adds the new ones. Does
    // nothing while frozen.
    void refresh();

    void setFrozen(bool frozen);

    void setHex(bool hex);

    // Every line as the view shows it.
    QStringList lines() const;

private:
    // Empty for a row whose entry the recorder has dropped since the last refresh.
    std::optional<TrafficEntry> entryAt(int row) const;

    const TrafficRecorder &m_recorder;
    // The serial numbers of the first line shown and of the one after the last.
    quint64 m_first = 0;
    quint64 m_end = 0;
    bool m_frozen = false;
    QList<std::optional<TrafficEntry>> m_frozenEntries;
    bool m_hex = false;
};
