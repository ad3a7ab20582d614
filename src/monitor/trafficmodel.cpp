#include "trafficmodel.h"

#include "trafficformat.h"

TrafficModel::TrafficModel(const TrafficRecorder &recorder, QObject *parent)
    : QAbstractListModel(parent)
    , m_recorder(recorder)
    , m_firstSerial(recorder.firstSerial())
{
}

int TrafficModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant TrafficModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    return TrafficFormat::line(m_entries[index.row()], m_hex);
}

void TrafficModel::refresh()
{
    const quint64 end = m_firstSerial + m_entries.size();
    const quint64 first = m_recorder.firstSerial();
    if (first > m_firstSerial) {
        const int gone = int(qMin<quint64>(first - m_firstSerial, m_entries.size()));
        if (gone > 0) {
            beginRemoveRows({}, 0, gone - 1);
            m_entries.erase(m_entries.begin(), m_entries.begin() + gone);
            endRemoveRows();
        }
        m_firstSerial = first;
    }
    const QList<TrafficEntry> added = m_recorder.entriesFrom(qMax(end, first));
    if (added.isEmpty())
        return;
    const int row = int(m_entries.size());
    beginInsertRows({}, row, row + int(added.size()) - 1);
    m_entries.insert(m_entries.end(), added.begin(), added.end());
    endInsertRows();
}

void TrafficModel::setHex(bool hex)
{
    if (hex == m_hex)
        return;
    m_hex = hex;
    if (!m_entries.empty())
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DisplayRole });
}

QStringList TrafficModel::lines() const
{
    QStringList result;
    result.reserve(qsizetype(m_entries.size()));
    for (const TrafficEntry &entry : m_entries)
        result.append(TrafficFormat::line(entry, m_hex));
    return result;
}
