#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>

QT_BEGIN_NAMESPACE
class QSocketNotifier;
QT_END_NAMESPACE

// The device end of a pseudo-terminal pair: the program under measurement opens the slave
// (slavePath()) as its serial port, and the benchmark plays the indexer on the master.
//
// The benchmark keeps a slave descriptor of its own open for the pair's lifetime. It never reads
// it; it keeps the line settings and the pair alive between the programs that open and close the
// port, and it can tell how many received bytes nobody has read yet.
class PtyDevice
{
public:
    PtyDevice();
    ~PtyDevice();
    PtyDevice(const PtyDevice &) = delete;
    PtyDevice &operator=(const PtyDevice &) = delete;

    bool isValid() const { return m_slave >= 0; }
    QString errorString() const { return m_error; }
    QString slavePath() const { return m_slavePath; }

    // Sends `bytes` to the program, as the indexer's answer; false when the pair did not take all
    // of them at once.
    bool write(const QByteArray &bytes);

    // Runs the event loop until the program has sent `count` carriage returns (one per command),
    // and returns what it sent. Fewer when `timeoutMs` passed first.
    QByteArray readCommands(int count, int timeoutMs);

    struct Flood
    {
        qint64 bytesTaken = 0;
        // From the first byte offered to the moment the last one had been read by the program.
        std::chrono::nanoseconds drainTime {};
        bool drained = false;
    };

    // Offers `bytes` bytes to the program as fast as the pair takes them (from a thread of its
    // own) while the event loop runs, then runs it until the program has read everything.
    Flood flood(qint64 bytes, int timeoutMs);

private:
    QByteArray readAvailable();
    // Bytes received by the slave that no one has read yet.
    int unreadBytes() const;

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
    std::unique_ptr<QSocketNotifier> m_readable;
};
