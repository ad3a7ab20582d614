#pragma once

#include "portfault.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

// The line of an open port as a port event records it.
struct PortLine
{
    // The device as the operator named it, and what that resolves to (SerialPort::deviceName
    // and devicePath).
    QString name;
    QString device;
    QString settings;
    int handshaking = 0;

    bool operator==(const PortLine &) const = default;
};

// One line of the serial traffic: bytes that went out, a line that came in, or something that
// happened to the port. Port events hold facts, not sentences: the monitor asks the operator
// layer for the words.
struct TrafficEntry
{
    enum class Kind : quint8 {
        Sent,
        Received,
        Opened, // line: the device and its settings
        Changed, // line: the new settings of the open port
        Closed, // fault: why; none when closed on request
        OpenFailed, // fault: why
        Reconnected, // opened again without being asked; line: as for Opened
        NotSent, // bytes: a write the port refused; fault: why
    };

    qint64 time = 0; // milliseconds since the epoch
    Kind kind = Kind::Sent;
    int port = 0;
    QByteArray bytes; // Sent, Received and NotSent
    PortLine line; // Opened, Changed and Reconnected
    PortFault fault; // Closed, OpenFailed and NotSent

    bool isPortEvent() const { return kind != Kind::Sent && kind != Kind::Received; }
};

// The serial traffic of the whole run, recorded below the windows so that a monitor opened after
// a problem shows what led to it.
//
// Received bytes are cut into lines: a line ends at CR or LF (a CR LF pair stays one line) or once
// no byte has come for kIdleMs. Everything is kept in a ring of the newest entries, bounded by a
// number of lines and a number of payload bytes, whichever is reached first. Each entry has a
// serial number that counts up from 0 over the run, so a reader can ask for what came after what it
// has.
//
// The receive path runs for every read of the port, under a flood too: it copies the bytes into
// one ring of bytes allocated once (no allocation per line) and keeps one timer running while a
// line is unfinished (none while the line is quiet). Entries are made up when a reader asks.
class TrafficRecorder : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        qsizetype lines = 10'000;
        qsizetype bytes = 1024 * 1024;
    };

    static constexpr int kIdleMs = 100;
    // Longer lines are cut, so that a line without an end cannot grow without bound.
    static constexpr qsizetype kMaxLineBytes = 1024;
    // A port event's facts are kept whole up to this size (paths are at most 4096 bytes each).
    static constexpr qsizetype kMaxEventBytes = 32 * 1024;

    explicit TrafficRecorder(QObject *parent = nullptr);
    TrafficRecorder(const Limits &limits, QObject *parent = nullptr);

    void recordSent(int port, const QByteArray &bytes);
    void recordReceived(int port, const QByteArray &bytes);
    // Opened, Changed or Reconnected.
    void recordLine(TrafficEntry::Kind kind, int port, const PortLine &line);
    // Closed (no fault: on request) or OpenFailed.
    void recordFault(TrafficEntry::Kind kind, int port, const PortFault &fault);
    // A write the port refused: nothing of it went out.
    void recordNotSent(int port, const QByteArray &bytes, const PortFault &fault);

    // Forgets everything recorded; serial numbers go on from where they were.
    void clear();

    // The serial numbers of the oldest entry kept and of the next one to come.
    quint64 firstSerial() const { return m_firstSerial; }
    quint64 endSerial() const { return m_firstSerial + m_slots.size(); }
    // The entry with serial number `serial`, which must lie between the two.
    TrafficEntry entry(quint64 serial) const;
    // Its kind and the size of its bytes, without making up the entry.
    TrafficEntry::Kind kind(quint64 serial) const;
    qsizetype byteCount(quint64 serial) const;
    // The entries from `serial` on (or from the oldest kept, if that one is gone).
    QList<TrafficEntry> entriesFrom(quint64 serial) const;

    // Bytes of an unfinished received line, not yet an entry.
    qsizetype pendingBytes() const { return m_pending.size(); }

signals:
    // Entries were added or dropped. Under a flood it also comes in the middle of a long read,
    // before the ring has dropped what the read added, so a reader that keeps up with it misses
    // nothing.
    void changed();

private:
    // Where an entry's payload (its bytes, or an event's text in UTF-8) lies in the byte ring.
    struct Slot
    {
        qint64 time;
        quint64 start; // counts every byte ever stored; the ring position is start % capacity
        quint32 size;
        qint32 port;
        TrafficEntry::Kind kind;
    };

    void append(qint64 time, TrafficEntry::Kind kind, int port, const char *data, qsizetype size);
    void appendEvent(TrafficEntry::Kind kind, int port, const QByteArray &facts);
    // Emits changed() when enough lines have come since the last time that the ring may soon
    // drop some.
    void announceLine(bool *added);
    // Makes the unfinished received line an entry; returns whether there was one.
    bool finishLine();
    void idleTimeout();

    Limits m_limits;
    std::deque<Slot> m_slots;
    quint64 m_firstSerial = 0;
    // The payloads, oldest to newest; allocated at the first entry.
    QByteArray m_ring;
    quint64 m_stored = 0;
    // Where the next payload goes: m_stored % the ring's size.
    qsizetype m_writeAt = 0;

    // Lines added since changed() was last emitted.
    qsizetype m_unannounced = 0;

    QByteArray m_pending;
    int m_pendingPort = 0;
    qint64 m_pendingTime = 0;
    // The unfinished line ended with CR at the end of a read: an LF may still belong to it.
    bool m_awaitingLf = false;
    QElapsedTimer m_clock;
    qint64 m_lastReceived = 0;
    // A child, so that a test can see that it does not run while the line is quiet.
    QTimer m_idle;
};
