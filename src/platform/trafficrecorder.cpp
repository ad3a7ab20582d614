#include "trafficrecorder.h"

#include <QDateTime>

TrafficRecorder::TrafficRecorder(QObject *parent)
    : TrafficRecorder(Limits {}, parent)
{
}

TrafficRecorder::TrafficRecorder(const Limits &limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
    , m_idle(this)
{
    m_clock.start();
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, &TrafficRecorder::idleTimeout);
}

void TrafficRecorder::recordSent(int port, const QByteArray &bytes)
{
    // What came in before the write is shown before it, even if its line is not finished.
    finishLine();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (qsizetype at = 0; at < bytes.size(); at += kMaxLineBytes)
        append({ now, TrafficEntry::Kind::Sent, port, bytes.mid(at, kMaxLineBytes), {} });
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
        const char *stop = p;
        while (stop < end && *stop != '\r' && *stop != '\n')
            ++stop;
        const qsizetype room = kMaxLineBytes - m_pending.size();
        if (stop - p >= room) {
            m_pending.append(p, room);
            p += room;
            added |= finishLine();
            continue;
        }
        if (stop == end) {
            m_pending.append(p, end - p);
            break;
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
    append({ QDateTime::currentMSecsSinceEpoch(), kind, port, {}, text });
    emit changed();
}

void TrafficRecorder::clear()
{
    m_firstSerial += m_entries.size();
    m_entries.clear();
    m_bytes = 0;
    emit changed();
}

QList<TrafficEntry> TrafficRecorder::entriesFrom(quint64 serial) const
{
    QList<TrafficEntry> result;
    const quint64 from = qMax(serial, m_firstSerial);
    if (from >= endSerial())
        return result;
    result.reserve(qsizetype(endSerial() - from));
    for (auto it = m_entries.begin() + qsizetype(from - m_firstSerial); it != m_entries.end(); ++it)
        result.append(*it);
    return result;
}

void TrafficRecorder::append(TrafficEntry entry)
{
    m_bytes += entry.bytes.size() + entry.text.size();
    m_entries.push_back(std::move(entry));
    while (qsizetype(m_entries.size()) > m_limits.lines
           || (m_bytes > m_limits.bytes && m_entries.size() > 1)) {
        m_bytes -= m_entries.front().bytes.size() + m_entries.front().text.size();
        m_entries.pop_front();
        ++m_firstSerial;
    }
}

bool TrafficRecorder::finishLine()
{
    m_awaitingLf = false;
    if (m_pending.isEmpty())
        return false;
    // A copy of its own size: the buffer keeps its room for the next line.
    append({ m_pendingTime,
             TrafficEntry::Kind::Received,
             m_pendingPort,
             QByteArray(m_pending.constData(), m_pending.size()),
             {} });
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
