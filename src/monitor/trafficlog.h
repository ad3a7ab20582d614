#pragma once

#include "datafiles.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

class AppendFile;
class TrafficRecorder;

// The Serial Monitor's log to a file: every entry recorded from the moment it starts, one row each
// as the monitor's Save writes them but with the date on each, for as long as it runs, across
// closes and reconnects of the port and whether the monitor is open or not.
//
// Rows are made on the user-interface thread as the recorder reports entries, and written on a
// thread of the log's own, so that a slow or hanging disk (a home folder on a network share)
// never holds up the program: each batch goes to the system as soon as it is made, nothing waits
// in a buffer. When the file refuses a write (a full disk) or the disk falls far behind, the log
// stops and says why; the recording goes on.
class TrafficLog : public QObject
{
    Q_OBJECT

public:
    // How far behind the disk may fall before the log gives up rather than hold the rows in memory.
    static constexpr qint64 kMaxBacklogBytes = 16 * 1024 * 1024;

    TrafficLog(TrafficRecorder &recorder, AppendFile &file, QObject *parent = nullptr);
    ~TrafficLog() override;

    // Logs to `path` from the next entry on, adding to what the file holds; the bytes as text or
    // as a hex dump. A log already running stops first.
    void start(const QString &path, bool hex);
    // Stops the log; what was written stays.
    void stop();

    bool isRunning() const { return m_running; }
    // The file of the running log, or of the last one.
    const QString &path() const { return m_path; }

signals:
    // Started or stopped, by request or by a failure.
    void runningChanged();
    // The log stopped because its file failed; the rows before the failure are in it.
    void failed(const FileError &error);

private:
    struct Writer;

    void recorderChanged();
    void post(const QByteArray &rows);
    void writeFailed(int generation, const FileError &error);

    TrafficRecorder &m_recorder;
    QThread m_thread;
    // Lives on m_thread; touched only there.
    std::unique_ptr<Writer> m_writer;
    QObject *m_writerContext = nullptr;
    std::atomic<qint64> m_backlog = 0;

    bool m_running = false;
    bool m_hex = false;
    QString m_path;
    // Counts the logs started, so that a late report of a stopped one is not taken for the
    // running one's.
    int m_generation = 0;
    // The serial number of the next entry to log.
    quint64 m_next = 0;
};
