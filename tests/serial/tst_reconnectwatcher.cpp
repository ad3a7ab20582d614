#include "portmap.h"
#include "portmapwriter.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "reconnectwatcher.h"
#include "temporaryportmap.h"

#include <QDir>
#include <QFileSystemWatcher>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

// The real port and watcher over pseudo-terminals: closing a terminal's master side is an adapter
// pulled out, a new terminal and a re-pointed link are the adapter plugged back in.
class tst_ReconnectWatcher : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void portComesBack_data();
    void portComesBack();
    void removedLinkIsWaitedFor();
    void portClosedOnPurposeStaysClosed_data();
    void portClosedOnPurposeStaysClosed();

private:
    // Waits until the link folder has changed after `change` ran, so that the watcher under test,
    // following the same folder, has had its chance to act too.
    void afterLinkFolderChange(const std::function<void()> &change);

    std::unique_ptr<TemporaryPortMap> m_map;
    std::unique_ptr<QtSerialPort> m_port;
};

enum class Start { OpenThenUnplugged, MissingAtStart, NoLinkFolderAtStart };
Q_DECLARE_METATYPE(Start)

void tst_ReconnectWatcher::init()
{
    m_map = std::make_unique<TemporaryPortMap>();
    QVERIFY(m_map->isValid());
    m_port = std::make_unique<QtSerialPort>();
    m_port->setRThreshold(1);
}

void tst_ReconnectWatcher::cleanup()
{
    m_port.reset();
    m_map.reset();
}

void tst_ReconnectWatcher::afterLinkFolderChange(const std::function<void()> &change)
{
    QFileSystemWatcher folder({ PortMap::linkDirectory() });
    QSignalSpy changed(&folder, &QFileSystemWatcher::directoryChanged);
    change();
    QVERIFY(changed.wait(2000));
    QCoreApplication::processEvents();
}

void tst_ReconnectWatcher::portComesBack_data()
{
    QTest::addColumn<Start>("start");
    QTest::addColumn<bool>("stableName");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("refusal");
    QTest::newRow("unplugged while open, link re-pointed")
        << Start::OpenThenUnplugged << false << 1 << int(CommError::DeviceGone);
    // The port's link stays on a stable name, which goes with the device and comes back with
    // it, as udev's /dev/serial/by-id/ names do: only the device's folder tells.
    QTest::newRow("unplugged while open, stable name back")
        << Start::OpenThenUnplugged << true << 1 << int(CommError::DeviceGone);
    QTest::newRow("link to a missing device at start, re-pointed")
        << Start::MissingAtStart << false << 1 << int(CommError::PortNotOpen);
    // Port 64's default, /dev/ttyS63, is absent from any ordinary machine.
    QTest::newRow("no link folder at start, link made")
        << Start::NoLinkFolderAtStart << false << 64 << int(CommError::PortNotOpen);
}

void tst_ReconnectWatcher::portComesBack()
{
    QFETCH(Start, start);
    QFETCH(bool, stableName);
    QFETCH(int, port);
    QFETCH(int, refusal);

    // Both terminals exist from the start, so that no other program can take the number of the
    // first one while the port waits for it; the first goes away, the second comes.
    PseudoTerminal first;
    PseudoTerminal second;
    QVERIFY2(first.isValid() && second.isValid(), qPrintable(first.errorString()));
    const QString byId = m_map->path() + QStringLiteral("/by-id/usb-Adapter_A10K5XYZ-if00");
    if (stableName) {
        QVERIFY(QDir().mkpath(QFileInfo(byId).path()));
        QVERIFY(QFile::link(first.slavePath(), byId));
    }

    switch (start) {
    case Start::OpenThenUnplugged:
        QVERIFY(m_map->link(port, stableName ? byId : first.slavePath()));
        QVERIFY(!m_port->setSettings(QStringLiteral("19200,n,8,1")));
        QVERIFY(!m_port->setHandshaking(SerialPort::XonXoff));
        QVERIFY(!m_port->setPortOpen(true));
        break;
    case Start::MissingAtStart:
        QVERIFY(m_map->link(port, m_map->path() + QStringLiteral("/ttyGONE")));
        QVERIFY(m_port->setPortOpen(true));
        break;
    case Start::NoLinkFolderAtStart:
        // Nothing under the configuration folder yet, so the port is its default device, which
        // must be missing.
        QVERIFY(!m_port->setCommPort(port));
        if (QFileInfo::exists(m_port->devicePath()))
            QSKIP("this machine has the default device of the port");
        QVERIFY(m_port->setPortOpen(true));
        break;
    }

    ReconnectWatcher watcher(*m_port);
    QSignalSpy reconnected(&watcher, &ReconnectWatcher::reconnected);
    if (start == Start::OpenThenUnplugged) {
        QVERIFY(m_port->PortOpen());
        QVERIFY(!watcher.isWaiting());
        QCOMPARE(watcher.watchedFolders(), QStringList());
        first.closeMaster();
        if (stableName)
            QVERIFY(QFile::remove(byId));
        QTRY_VERIFY(!m_port->PortOpen());
    }
    QVERIFY(watcher.isWaiting());
    // A command while the device is away is refused, and never sent later.
    QCOMPARE(m_port->Output("LOST\r").number, refusal);

    if (stableName) {
        QVERIFY(QFile::link(second.slavePath(), byId));
    } else {
        QCOMPARE(PortMapWriter::setDevice(port, second.slavePath()).outcome,
                 PortMapWriter::Outcome::Linked);
    }
    QTRY_VERIFY_WITH_TIMEOUT(m_port->PortOpen(), 1000);
    QCOMPARE(reconnected.size(), 1);
    QVERIFY(!watcher.isWaiting());
    QCOMPARE(watcher.watchedFolders(), QStringList());
    QCOMPARE(m_port->devicePath(), second.slavePath());
    QCOMPARE(m_port->CommPort(), port);
    if (start == Start::OpenThenUnplugged) {
        QCOMPARE(m_port->Settings(), QStringLiteral("19200,n,8,1"));
        QCOMPARE(m_port->Handshaking(), int(SerialPort::XonXoff));
    }

    QVERIFY(!m_port->Output("G\r"));
    QCOMPARE(second.readAtLeast(2), QByteArray("G\r"));
    QCOMPARE(first.readAvailable(), QByteArray());
}

void tst_ReconnectWatcher::removedLinkIsWaitedFor()
{
    // The simulated indexer takes its link away when it ends; the port's default device must not
    // be opened in the lost one's place.
    if (!QFileInfo::exists(PortMap::defaultDevicePath(1)))
        QSKIP("this machine has no default device for port 1");
    PseudoTerminal first;
    PseudoTerminal second;
    QVERIFY2(first.isValid() && second.isValid(), qPrintable(first.errorString()));
    QVERIFY(m_map->link(1, first.slavePath()));
    QVERIFY(!m_port->setPortOpen(true));
    ReconnectWatcher watcher(*m_port);

    first.closeMaster();
    QTRY_VERIFY(watcher.isWaiting());
    afterLinkFolderChange(
        [] { QCOMPARE(PortMapWriter::setDevice(1, {}).outcome, PortMapWriter::Outcome::Removed); });
    QVERIFY(!m_port->PortOpen());
    QVERIFY(watcher.isWaiting());

    QCOMPARE(PortMapWriter::setDevice(1, second.slavePath()).outcome,
             PortMapWriter::Outcome::Linked);
    QTRY_VERIFY_WITH_TIMEOUT(m_port->PortOpen(), 1000);
    QCOMPARE(m_port->devicePath(), second.slavePath());
}

void tst_ReconnectWatcher::portClosedOnPurposeStaysClosed_data()
{
    QTest::addColumn<bool>("unplugFirst");
    QTest::addColumn<bool>("renumber");
    QTest::newRow("closed on request while open") << false << false;
    QTest::newRow("renumbered while waiting for the device") << true << true;
    // What the main window does when it closes while its port waits.
    QTest::newRow("closed on request while waiting for the device") << true << false;
}

void tst_ReconnectWatcher::portClosedOnPurposeStaysClosed()
{
    QFETCH(bool, unplugFirst);
    QFETCH(bool, renumber);

    PseudoTerminal first;
    QVERIFY2(first.isValid(), qPrintable(first.errorString()));
    PseudoTerminal second;
    QVERIFY2(second.isValid(), qPrintable(second.errorString()));
    QVERIFY(m_map->link(1, first.slavePath()));
    QVERIFY(!m_port->setPortOpen(true));
    ReconnectWatcher watcher(*m_port);

    if (unplugFirst) {
        first.closeMaster();
        QTRY_VERIFY(watcher.isWaiting());
        // What Port Properties does for another port number.
        if (renumber)
            QVERIFY(!m_port->setCommPort(2));
        else
            QVERIFY(!m_port->setPortOpen(false));
    } else {
        QVERIFY(!m_port->setPortOpen(false));
        first.closeMaster();
    }
    QVERIFY(!watcher.isWaiting());

    afterLinkFolderChange([&] {
        QCOMPARE(PortMapWriter::setDevice(1, second.slavePath()).outcome,
                 PortMapWriter::Outcome::Linked);
        QCOMPARE(PortMapWriter::setDevice(2, second.slavePath()).outcome,
                 PortMapWriter::Outcome::Linked);
    });
    QVERIFY(!m_port->PortOpen());
    QVERIFY(!watcher.isWaiting());
}

QTEST_GUILESS_MAIN(tst_ReconnectWatcher)
#include "tst_reconnectwatcher.moc"
