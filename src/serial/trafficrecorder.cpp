#include "trafficrecorder.h"

#include <QDataStream>
#include <QDateTime>
#include <QIODevice>

#include <cstring>

namespace {

bool isPortEvent(TrafficEntry::Kind kind)
{
    return kind != TrafficEntry::Kind::Sent && kind != TrafficEntry::Kind::Received;
}

// A port event's facts travel through the byte ring like any payload, so the ring bounds them
// too. Each text is kept to the longest path a system gives.
constexpr qsizetype kMaxFactBytes = 4096;

void putText(QDataStream &out, const QString &text)
{
    out << text.toUtf8().left(kMaxFactBytes);
}

QString takeText(QDataStream &in)
{
    QByteArray utf8;
    in >> utf8;
    return QString::fromUtf8(utf8);
}

QByteArray lineFacts(const PortLine &line)
{
    QByteArray facts;
    QDataStream out(&facts, QIODevice::WriteOnly);
    putText(out, line.name);
    putText(out, line.device);
    putText(out, line.settings);
    out << qint32(line.handshaking);
    return facts;
}

void putFault(QDataStream &out, const PortFault &fault)
{
    out << qint32(fault.kind) << qint32(fault.port);
    for (const QString *text :
         { &fault.device, &fault.name, &fault.link, &fault.group, &fault.text, &fault.systemCause })
        putText(out, *text);
    out << qint32(fault.setting) << qint32(fault.value) << fault.restoreFailed;
}

PortFault takeFault(QDataStream &in)
{
    PortFault fault;
    qint32 kind = 0, port = 0, setting = 0, value = 0;
    in >> kind >> port;
    for (QString *text :
         { &fault.device, &fault.name, &fault.link, &fault.group, &fault.text, &fault.systemCause })
        *text = takeText(in);
    in >> setting >> value >> fault.restoreFailed;
    fault.kind = PortFault::Kind(kind);
    fault.port = port;
    fault.setting = PortFault::Setting(setting);
    fault.value = value;
    return fault;
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
    // A line or an event is never longer than the ring.
    m_limits.bytes = qMax(m_limits.bytes, kMaxEventBytes);
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
    m_unannounced = 0;
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
            if (finishLine())
                announceLine(&added);
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
        if (finishLine())
            announceLine(&added);
    }

    if (!m_pending.isEmpty()) {
        m_lastReceived = m_clock.elapsed();
        if (!m_idle.isActive())
            m_idle.start(kIdleMs);
    }
    if (added) {
        m_unannounced = 0;
        emit changed();
    }
}

void TrafficRecorder::announceLine(bool *added)
{
    *added = true;
    // Half the ring's lines: the reader catches up long before the ring turns over.
    if (++m_unannounced >= m_limits.lines / 2) {
        m_unannounced = 0;
        *added = false;
        emit changed();
    }
}

void TrafficRecorder::recordLine(TrafficEntry::Kind kind, int port, const PortLine &line)
{
    appendEvent(kind, port, lineFacts(line));
}

void TrafficRecorder::recordFault(TrafficEntry::Kind kind, int port, const PortFault &fault)
{
    QByteArray facts;
    QDataStream out(&facts, QIODevice::WriteOnly);
    putFault(out, fault);
    appendEvent(kind, port, facts);
}

void TrafficRecorder::recordNotSent(int port, const QByteArray &bytes, const PortFault &fault)
{
    QByteArray facts;
    QDataStream out(&facts, QIODevice::WriteOnly);
    out << bytes.left(kMaxLineBytes);
    putFault(out, fault);
    appendEvent(TrafficEntry::Kind::NotSent, port, facts);
}

void TrafficRecorder::appendEvent(TrafficEntry::Kind kind, int port, const QByteArray &facts)
{
    finishLine();
    append(QDateTime::currentMSecsSinceEpoch(), kind, port, facts.constData(),
           qMin(facts.size(), kMaxEventBytes));
    m_unannounced = 0;
    emit changed();
}

void TrafficRecorder::clear()
{
    m_firstSerial += m_slots.size();
    m_slots.clear();
    m_unannounced = 0;
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

    TrafficEntry result;
    result.time = slot.time;
    result.kind = slot.kind;
    result.port = slot.port;
    if (!isPortEvent(slot.kind)) {
        result.bytes = payload;
        return result;
    }
    QDataStream in(payload);
    switch (slot.kind) {
    case TrafficEntry::Kind::Opened:
    case TrafficEntry::Kind::Changed:
    case TrafficEntry::Kind::Reconnected: {
        result.line.name = takeText(in);
        result.line.device = takeText(in);
        result.line.settings = takeText(in);
        qint32 handshaking = 0;
        in >> handshaking;
        result.line.handshaking = handshaking;
        break;
    }
    case TrafficEntry::Kind::NotSent:
        in >> result.bytes;
        result.fault = takeFault(in);
        break;
    default:
        result.fault = takeFault(in);
        break;
    }
    return result;
}

TrafficEntry::Kind TrafficRecorder::kind(quint64 serial) const
{
    return m_slots[serial - m_firstSerial].kind;
}

qsizetype TrafficRecorder::byteCount(quint64 serial) const
{
    const Slot &slot = m_slots[serial - m_firstSerial];
    return isPortEvent(slot.kind) ? 0 : qsizetype(slot.size);
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
    if (finishLine()) {
        m_unannounced = 0;
        emit changed();
    }
}
