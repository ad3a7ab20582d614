#include "trafficmodel.h"

#include <algorithm>

TrafficModel::TrafficModel(const TrafficRecorder &recorder, QObject *parent)
    : QAbstractListModel(parent)
    , m_recorder(recorder)
    , m_scanned(recorder.firstSerial())
{
    m_options.locale = QLocale();
}

int TrafficModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || m_lines.empty())
        return 0;
    return int(m_rowEnd - m_lines.front().firstRow);
}

bool TrafficModel::isShown(TrafficEntry::Kind kind) const
{
    switch (kind) {
    case TrafficEntry::Kind::Sent:
        return m_shown & Sent;
    case TrafficEntry::Kind::Received:
        return m_shown & Received;
    default:
        return m_shown & PortEvents;
    }
}

quint64 TrafficModel::sourceFirst() const
{
    return m_frozen ? m_frozenFirst : m_recorder.firstSerial();
}

quint64 TrafficModel::sourceEnd() const
{
    return m_frozen ? m_frozenFirst + m_frozenEntries.size() : m_scanned;
}

TrafficEntry::Kind TrafficModel::kindOf(quint64 serial) const
{
    return m_frozen ? m_frozenEntries[serial - m_frozenFirst].kind : m_recorder.kind(serial);
}

qsizetype TrafficModel::byteCountOf(quint64 serial) const
{
    if (!m_frozen)
        return m_recorder.byteCount(serial);
    const TrafficEntry &entry = m_frozenEntries[serial - m_frozenFirst];
    return entry.isPortEvent() ? 0 : entry.bytes.size();
}

std::optional<TrafficEntry> TrafficModel::entryOf(quint64 serial) const
{
    if (m_frozen)
        return m_frozenEntries[size_t(serial - m_frozenFirst)];
    // Dropped by the recorder since the last refresh; the row goes at the next one.
    if (serial < m_recorder.firstSerial() || serial >= m_recorder.endSerial())
        return std::nullopt;
    return m_recorder.entry(serial);
}

qsizetype TrafficModel::lineOf(int row) const
{
    // One row a line unless a hex dump has more.
    if (!m_options.hex)
        return row;
    const quint64 target = m_lines.front().firstRow + quint64(row);
    const auto after
        = std::upper_bound(m_lines.begin(), m_lines.end(), target,
                           [](quint64 r, const Line &line) { return r < line.firstRow; });
    return (after - m_lines.begin()) - 1;
}

QString TrafficModel::rowText(int row) const
{
    return rowText(row, m_options);
}

QString TrafficModel::rowText(int row, const TrafficFormat::Options &options) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const qsizetype index = lineOf(row);
    const Line &line = m_lines[size_t(index)];
    const auto entry = entryOf(line.serial);
    if (!entry)
        return {};
    std::optional<qint64> previous;
    if (options.time == TrafficFormat::TimeMode::SincePrevious && index > 0) {
        if (const auto before = entryOf(m_lines[size_t(index - 1)].serial))
            previous = before->time;
    }
    const QStringList rows = TrafficFormat::rows(*entry, options, previous);
    return rows.value(qsizetype(m_lines.front().firstRow + quint64(row) - line.firstRow));
}

QVariant TrafficModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return rowText(index.row());
    if (role == KindRole) {
        const auto entry = entryOf(m_lines[size_t(lineOf(index.row()))].serial);
        return entry ? QVariant(int(entry->kind)) : QVariant();
    }
    return {};
}

std::vector<TrafficModel::Line> TrafficModel::linesFor(quint64 from, quint64 end,
                                                       quint64 *rowEnd) const
{
    std::vector<Line> lines;
    for (quint64 serial = from; serial < end; ++serial) {
        const TrafficEntry::Kind kind = kindOf(serial);
        if (!isShown(kind))
            continue;
        lines.push_back({ serial, *rowEnd });
        *rowEnd += quint64(TrafficFormat::rowCount(kind, byteCountOf(serial), m_options.hex));
    }
    return lines;
}

void TrafficModel::refresh()
{
    if (m_frozen)
        return;
    const quint64 first = m_recorder.firstSerial();
    if (!m_lines.empty() && m_lines.front().serial < first) {
        const auto kept = std::lower_bound(
            m_lines.begin(), m_lines.end(), first,
            [](const Line &line, quint64 serial) { return line.serial < serial; });
        const quint64 keptRow = kept == m_lines.end() ? m_rowEnd : kept->firstRow;
        beginRemoveRows({}, 0, int(keptRow - m_lines.front().firstRow) - 1);
        m_lines.erase(m_lines.begin(), kept);
        endRemoveRows();
        // The new first row has no row before it to count from.
        if (m_options.time == TrafficFormat::TimeMode::SincePrevious && rowCount() > 0)
            emit dataChanged(index(0), index(0), { Qt::DisplayRole });
    }

    const quint64 end = m_recorder.endSerial();
    quint64 rowEnd = m_rowEnd;
    const std::vector<Line> added = linesFor(qMax(m_scanned, first), end, &rowEnd);
    m_scanned = end;
    if (added.empty())
        return;
    const int rows = rowCount();
    beginInsertRows({}, rows, rows + int(rowEnd - m_rowEnd) - 1);
    m_lines.insert(m_lines.end(), added.begin(), added.end());
    m_rowEnd = rowEnd;
    endInsertRows();
}

void TrafficModel::rebuild()
{
    beginResetModel();
    m_rowEnd = 0;
    const std::vector<Line> lines = linesFor(sourceFirst(), sourceEnd(), &m_rowEnd);
    m_lines.assign(lines.begin(), lines.end());
    endResetModel();
}

void TrafficModel::setFrozen(bool frozen)
{
    if (frozen == m_frozen)
        return;
    m_frozenEntries.clear();
    m_frozenEntries.shrink_to_fit();
    if (!frozen) {
        // The lines keep their serial numbers: the next refresh drops those the recorder dropped
        // meanwhile and adds what came.
        m_frozen = false;
        return;
    }
    // Every entry the model has looked at, shown or not, so that the kinds shown may change while
    // paused.
    m_frozenFirst = m_recorder.firstSerial();
    m_frozenEntries.reserve(size_t(m_scanned - qMin(m_scanned, m_frozenFirst)));
    for (quint64 serial = m_frozenFirst; serial < m_scanned; ++serial)
        m_frozenEntries.push_back(m_recorder.entry(serial));
    m_frozen = true;
    // Lines whose entries went since the last refresh have no copy.
    if (!m_lines.empty() && m_lines.front().serial < m_frozenFirst)
        rebuild();
}

void TrafficModel::setHex(bool hex)
{
    if (hex == m_options.hex)
        return;
    m_options.hex = hex;
    rebuild();
}

void TrafficModel::setTimeMode(TrafficFormat::TimeMode mode)
{
    if (mode == m_options.time)
        return;
    m_options.time = mode;
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), { Qt::DisplayRole });
}

void TrafficModel::setShown(int kinds)
{
    if (kinds == m_shown)
        return;
    m_shown = kinds;
    rebuild();
}

QStringList TrafficModel::lines() const
{
    TrafficFormat::Options options = m_options;
    options.locale = QLocale::c();
    QStringList result;
    result.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row) {
        const QString text = rowText(row, options);
        if (!text.isEmpty())
            result.append(text);
    }
    return result;
}

int TrafficModel::find(const QString &text, int from, bool forward) const
{
    const int rows = rowCount();
    if (text.isEmpty() || rows == 0)
        return -1;
    const int step = forward ? 1 : -1;
    // From outside the rows: from the first one forward, or the last one back.
    int row = from >= 0 && from < rows ? from : (forward ? -1 : rows);
    for (int looked = 0; looked < rows; ++looked) {
        row = ((row + step) % rows + rows) % rows;
        if (rowText(row).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}
