#include "trafficrecorder.h"

#include <QDateTime>

#include <cstring>

namespace {

bool isPortEvent(TrafficEntry::Kind kind)
{
    return kind != TrafficEntry::Kind::Sent && kind != TrafficEntry::Kind::Received;
}

} // namespace

TrafficRecorder::TrafficRecorder(QObject *parent)
    : TrafficRecorder(Limits {}, parent)
{
}

TrafficRecorder::TrafficRecorder(const Limits &limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_idle(this)
{
    // A line is never longer than the ring.
    m_limits.bytes = qMax(m_limits.bytes, kMaxLineBytes + 2);
    m_limits.lines = qMax<qsizetype>(m_limits.lines, 1);
    m_clock.start();
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &TrafficRecorder::idleTimeout);
}

void TrafficRecorder::recordSent(int port, const QByteArray &bytes)
{
    // What came in before the write is shown before it, even if its line is not finished.
    finishLine();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (qsizetype at = 0; at < bytes.size(); at += kMaxLineBytes) {
        append(now, TrafficEntry::Kind::Sent, port, bytes.constData() + at,
               qMin(kMaxLineBytes, bytes.size() - at));
    }
    emit changed();
}

void TrafficRecorder::recordReceived(int port, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    bool added = false;

    if (m_awaitingLf) {
        if (*p == '\n') {
            m_pending += '\n';
            ++p;
        }
        added = finishLine();
    }
    m_pendingPort = port;
    while (p < end) {
        if (m_pending.isEmpty())
            m_pendingTime = now;
        const qsizetype room = kMaxLineBytes - m_pending.size();
        const char *const limit = p + qMin<qsizetype>(room, end - p);
        // The nearest CR or LF within the room the line has left.
        const char *stop = static_cast<const char *>(std::memchr(p, '\r', limit - p));
        const char *lf = static_cast<const char *>(std::memchr(p, '\n', (stop ? stop : limit) - p));
        if (lf)
            stop = lf;
        if (!stop) {
            m_pending.append(p, limit - p);
            p = limit;
            if (m_pending.size() < kMaxLineBytes)
                break;
            added |= finishLine();
            continue;
        }
        m_pending.append(p, stop - p + 1);
        p = stop + 1;
        if (*stop == '\r') {
            if (p == end) {
                m_awaitingLf = true;
                break;
            }
            if (*p == '\n') {
                m_pending += '\n';
                ++p;
            }
        }
        added |= finishLine();
    }

    if (!m_pending.isEmpty()) {
        m_lastReceived = m_clock.elapsed();
        if (!m_idle.isActive())
            m_idle.start(kIdleMs);
    }
    if (added)
        emit changed();
}

void TrafficRecorder::recordPortEvent(TrafficEntry::Kind kind, int port, const QString &text)
{
    finishLine();
    const QByteArray utf8 = text.toUtf8().left(kMaxLineBytes);
    append(QDateTime::currentMSecsSinceEpoch(), kind, port, utf8.constData(), utf8.size());
    emit changed();
}

void TrafficRecorder::clear()
{
    m_firstSerial += m_slots.size();
    m_slots.clear();
    emit changed();
}

TrafficEntry TrafficRecorder::entry(quint64 serial) const
{
    Q_ASSERT(serial >= m_firstSerial && serial < endSerial());
    const Slot &slot = m_slots[serial - m_firstSerial];
    QByteArray payload(qsizetype(slot.size), Qt::Uninitialized);
    const qsizetype capacity = m_ring.size();
    const qsizetype at = qsizetype(slot.start % quint64(capacity));
    const qsizetype first = qMin(payload.size(), capacity - at);
    std::memcpy(payload.data(), m_ring.constData() + at, first);
    std::memcpy(payload.data() + first, m_ring.constData(), payload.size() - first);

    TrafficEntry result { slot.time, slot.kind, slot.port, {}, {} };
    if (isPortEvent(slot.kind))
        result.text = QString::fromUtf8(payload);
    else
        result.bytes = payload;
    return result;
}

QList<TrafficEntry> TrafficRecorder::entriesFrom(quint64 serial) const
{
    QList<TrafficEntry> result;
    for (quint64 s = qMax(serial, m_firstSerial); s < endSerial(); ++s)
        result.append(entry(s));
    return result;
}

void TrafficRecorder::append(qint64 time, TrafficEntry::Kind kind, int port, const char *data,
                             qsizetype size)
{
    if (m_ring.isEmpty())
        m_ring = QByteArray(m_limits.bytes, Qt::Uninitialized);
    const quint64 capacity = quint64(m_ring.size());
    // The oldest entries make room, in lines and in bytes.
    while (!m_slots.empty()
           && (qsizetype(m_slots.size()) >= m_limits.lines
               || m_stored + quint64(size) - m_slots.front().start > capacity)) {
        m_slots.pop_front();
        ++m_firstSerial;
    }
    // No division here: this runs for every line of a flood.
    const qsizetype at = m_writeAt;
    const qsizetype first = qMin(size, qsizetype(capacity) - at);
    char *ring = m_ring.data();
    std::memcpy(ring + at, data, first);
    std::memcpy(ring, data + first, size - first);
    m_slots.push_back({ time, m_stored, quint32(size), qint32(port), kind });
    m_stored += quint64(size);
    m_writeAt = at + size;
    if (m_writeAt >= qsizetype(capacity))
        m_writeAt -= qsizetype(capacity);
}

bool TrafficRecorder::finishLine()
{
    m_awaitingLf = false;
    if (m_pending.isEmpty())
        return false;
    append(m_pendingTime, TrafficEntry::Kind::Received, m_pendingPort, m_pending.constData(),
           m_pending.size());
    // The buffer keeps its room for the next line.
    m_pending.truncate(0);
    return true;
}

void TrafficRecorder::idleTimeout()
{
    if (m_pending.isEmpty())
        return;
    // Restarting the timer on every read would cost more than letting it run out and looking.
    const qint64 quiet = m_clock.elapsed() - m_lastReceived;
    if (quiet < kIdleMs) {
        m_idle.start(int(kIdleMs - quiet));
        return;
    }
    if (finishLine())
        emit changed();
}
