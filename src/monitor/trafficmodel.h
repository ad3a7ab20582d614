#pragma once

#include "trafficrecorder.h"

#include <QAbstractListModel>

#include <deque>

// The lines the serial monitor shows: a copy of the recorder's entries as of the last refresh, so
// that a paused view keeps its lines while the recorder goes on and drops old ones. Lines are
// formatted only when the view asks for them, so only the visible ones cost anything.
class TrafficModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit TrafficModel(const TrafficRecorder &recorder, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // Catches up with the recorder: drops the lines it no longer has, adds the new ones.
    void refresh();

    bool hex() const { return m_hex; }
    void setHex(bool hex);

    // Every line as the view shows it.
    QStringList lines() const;

private:
    const TrafficRecorder &m_recorder;
    std::deque<TrafficEntry> m_entries;
    quint64 m_firstSerial = 0;
    bool m_hex = false;
};
