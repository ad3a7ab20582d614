#include "trafficmodel.h"

#include "trafficformat.h"

TrafficModel::TrafficModel(const TrafficRecorder &recorder, QObject *parent)
    : QAbstractListModel(parent)
    , m_recorder(recorder)
    , m_first(recorder.firstSerial())
    , m_end(recorder.firstSerial())
{
}

int TrafficModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_end - m_first);
}

std::optional<TrafficEntry> TrafficModel::entryAt(int row) const
{
    if (m_frozen)
        return m_frozenEntries.value(row);
    const quint64 serial = m_first + quint64(row);
    // Dropped by the recorder since the last refresh; the row goes at the next one.
    if (serial < m_recorder.firstSerial() || serial >= m_recorder.endSerial())
        return {};
    return m_recorder.entry(serial);
}

QVariant TrafficModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const auto entry = entryAt(index.row());
    return entry ? TrafficFormat::line(*entry, m_hex) : QString();
}

void TrafficModel::refresh()
{
    if (m_frozen)
        return;
    const quint64 first = m_recorder.firstSerial();
    if (first > m_first) {
        const quint64 gone = qMin(first, m_end) - m_first;
        if (gone > 0) {
            beginRemoveRows({}, 0, int(gone) - 1);
            m_first += gone;
            endRemoveRows();
        }
        // Everything shown is gone, and more: start again at the recorder's oldest.
        m_first = first;
        m_end = qMax(m_end, first);
    }
    const quint64 end = m_recorder.endSerial();
    if (end > m_end) {
        beginInsertRows({}, rowCount(), rowCount() + int(end - m_end) - 1);
        m_end = end;
        endInsertRows();
    }
}

void TrafficModel::setFrozen(bool frozen)
{
    if (frozen == m_frozen)
        return;
    m_frozenEntries.clear();
    if (frozen) {
        m_frozenEntries.reserve(rowCount());
        for (int row = 0; row < rowCount(); ++row)
            m_frozenEntries.append(entryAt(row));
    }
    m_frozen = frozen;
}

void TrafficModel::setHex(bool hex)
{
    if (hex == m_hex)
        return;
    m_hex = hex;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DisplayRole });
}

QStringList TrafficModel::lines() const
{
    QStringList result;
    result.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        if (const auto entry = entryAt(row))
            result.append(TrafficFormat::line(*entry, m_hex));
    }
    return result;
}
