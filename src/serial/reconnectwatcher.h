#pragma once

#include <QObject>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QFileSystemWatcher;
class QTimer;
QT_END_NAMESPACE

class SerialPort;

// Brings the port back when its device returns. While the port is closed because its device is
// missing (SerialPort::deviceMissing: unplugged, or not there at open), the watcher follows the
// folder of the device and the folder of the port map links; when either changes and the device
// is there, it opens the port again, which keeps its number, line settings and flow control. The
// device is the one lost, or whatever the port's link points to by then; never the port's default
// device in place of a linked one whose link went away.
//
// Nothing runs while the port is open or closed for any other reason: no watch and no timer. Only
// where the system cannot watch a folder does the watcher look once a second, and only while it
// waits.
class ReconnectWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 1000;

    explicit ReconnectWatcher(SerialPort &port, QObject *parent = nullptr);
    ~ReconnectWatcher() override;

    bool isWaiting() const { return m_waiting; }
    // The folders followed while waiting.
    QStringList watchedFolders() const;

signals:
    // The port opened again on its own; its stateChanged came just before.
    void reconnected();

private:
    void onPortStateChanged();
    void startWaiting();
    void stopWaiting();
    // True when a folder was watched that was not before.
    bool watchFolders();
    void tryReopen();
    // Whether the port may open `device`, the device it stands for now.
    bool mayOpen(const QString &device) const;

    SerialPort &m_port;
    // Made at the first wait; watches folders only while waiting, so an open port costs nothing.
    QFileSystemWatcher *m_watcher = nullptr;
    // Exists only while waiting where a folder cannot be watched.
    QTimer *m_poll = nullptr;
    // The device the port has open, and the one it lost (or could not find at open).
    QString m_openDevice;
    QString m_lostDevice;
    bool m_waiting = false;
    // The watcher's own open attempt reports state changes that must not end the wait.
    bool m_reopening = false;
};
