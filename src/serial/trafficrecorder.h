#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>

// One line of the serial traffic: bytes that went out, a line that came in, or something that
// happened to the port.
struct TrafficEntry
{
    enum class Kind : quint8 {
        Sent,
        Received,
        Opened, // text: the device and its settings
        Changed, // text: the new settings of the open port
        Closed, // text: why, as the status line says it; empty when closed on request
        OpenFailed, // text: why
        Reconnected, // opened again without being asked; text: as for Opened
    };

    qint64 time = 0; // milliseconds since the epoch
    Kind kind = Kind::Sent;
    int port = 0;
    QByteArray bytes; // Sent and Received
    QString text; // the port events
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

    explicit TrafficRecorder(QObject *parent = nullptr);
    TrafficRecorder(const Limits &limits, QObject *parent = nullptr);

    void recordSent(int port, const QByteArray &bytes);
    void recordReceived(int port, const QByteArray &bytes);
    void recordPortEvent(TrafficEntry::Kind kind, int port, const QString &text = {});

    // Forgets everything recorded; serial numbers go on from where they were.
    void clear();

    // The serial numbers of the oldest entry kept and of the next one to come.
    quint64 firstSerial() const { return m_firstSerial; }
    quint64 endSerial() const { return m_firstSerial + m_slots.size(); }
    // The entry with serial number `serial`, which must lie between the two.
    TrafficEntry entry(quint64 serial) const;
    // The entries from `serial` on (or from the oldest kept, if that one is gone).
    QList<TrafficEntry> entriesFrom(quint64 serial) const;

    // Bytes of an unfinished received line, not yet an entry.
    qsizetype pendingBytes() const { return m_pending.size(); }

signals:
    // Entries were added or dropped.
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
