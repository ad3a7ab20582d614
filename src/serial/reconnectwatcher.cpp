#include "reconnectwatcher.h"

#include "portmap.h"
#include "serialport.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

namespace {

// The folder that holds `path`, or the nearest one above it that exists: a folder that appears
// (the port map's on first use, /dev/serial/by-id with the first adapter) shows up as a change
// of its parent.
QString nearestFolder(const QString &path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return {};
        folder = parent;
    }
    return folder;
}

} // namespace

ReconnectWatcher::ReconnectWatcher(SerialPort &port, QObject *parent)
    : QObject(parent)
    , m_port(port)
{
    connect(&m_port, &SerialPort::stateChanged, this, &ReconnectWatcher::onPortStateChanged);
    // The port may already have missed its device, at start-up.
    onPortStateChanged();
}

ReconnectWatcher::~ReconnectWatcher() = default;

QStringList ReconnectWatcher::watchedFolders() const
{
    return m_watcher ? m_watcher->directories() : QStringList();
}

void ReconnectWatcher::onPortStateChanged()
{
    if (m_reopening)
        return;
    if (m_port.PortOpen()) {
        m_openDevice = m_port.devicePath();
        stopWaiting();
        return;
    }
    if (m_port.deviceMissing()) {
        if (!m_waiting)
            m_lostDevice = m_openDevice.isEmpty() ? m_port.devicePath() : m_openDevice;
        startWaiting();
    } else {
        stopWaiting();
    }
    m_openDevice.clear();
}

bool ReconnectWatcher::mayOpen(const QString &device) const
{
    if (device.isEmpty())
        return false;
    // A device that is not a file (Windows' COMn) can only be tried.
    if (QDir::isRelativePath(device))
        return true;
    if (!QFileInfo::exists(device))
        return false;
    // A link for the port is the operator's (or the simulator's) word on which device it is.
    // Without one the port falls back to its default device, which is only the lost device if that
    // was it: a simulator that ends takes its link away, and the lab's built-in serial port must
    // not be opened in its place.
    const QFileInfo link(PortMap::linkPath(m_port.CommPort()));
    return link.isSymLink() || link.exists() || device == m_lostDevice;
}

void ReconnectWatcher::startWaiting()
{
    m_waiting = true;
    if (!m_watcher) {
        m_watcher = new QFileSystemWatcher(this);
        connect(m_watcher, &QFileSystemWatcher::directoryChanged, this,
                &ReconnectWatcher::tryReopen);
    }
    watchFolders();
}

void ReconnectWatcher::stopWaiting()
{
    m_waiting = false;
    // The watcher itself stays: a watcher without folders wakes nothing, and closing its
    // notification handle would hold the user-interface thread for a kernel grace period (about
    // 15 ms on Linux) at every reconnect.
    if (m_watcher && !m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    delete m_poll;
    m_poll = nullptr;
}

bool ReconnectWatcher::watchFolders()
{
    // The device's folder tells when it is plugged in; the links' folder when the port is pointed
    // at another device. Where the link now points can change with every event, so the list is
    // made anew each time.
    QStringList folders;
    const QString device = m_port.devicePath();
    // A device without a folder (Windows' COMn) leaves nothing to watch: it is looked for by the
    // timer.
    bool unwatchable = !device.isEmpty() && QDir::isRelativePath(device);
    if (!device.isEmpty() && !unwatchable)
        folders << nearestFolder(device);
    const QString link = PortMap::linkPath(m_port.CommPort());
    if (!link.isEmpty())
        folders << nearestFolder(link);
    folders.removeAll(QString());
    folders.removeDuplicates();

    const QStringList old = m_watcher->directories();
    bool added = false;
    for (const QString &folder : old) {
        if (!folders.contains(folder))
            m_watcher->removePath(folder);
    }
    for (const QString &folder : std::as_const(folders)) {
        if (old.contains(folder))
            continue;
        if (m_watcher->addPath(folder))
            added = true;
        else
            unwatchable = true;
    }

    if (unwatchable && !m_poll) {
        m_poll = new QTimer(this);
        m_poll->setInterval(kPollIntervalMs);
        connect(m_poll, &QTimer::timeout, this, &ReconnectWatcher::tryReopen);
        m_poll->start();
    } else if (!unwatchable) {
        delete m_poll;
        m_poll = nullptr;
    }
    return added;
}

void ReconnectWatcher::tryReopen()
{
    // A folder watched for the first time may have got its entry just before the watch began;
    // one more look after a new watch closes that gap.
    for (bool newWatch = true; m_waiting && newWatch;) {
        // Opening only when the device is there keeps the status line on why the port closed,
        // rather than on a fresh "there is no device" at every change in the folder.
        if (mayOpen(m_port.devicePath())) {
            m_reopening = true;
            const bool opened = !m_port.setPortOpen(true) && m_port.PortOpen();
            m_reopening = false;
            if (opened) {
                m_openDevice = m_port.devicePath();
                stopWaiting();
                emit reconnected();
                return;
            }
        }
        // Still waiting, perhaps for another device: the link may have moved, or the device's
        // folder appeared.
        newWatch = watchFolders();
    }
}
