#include "portmap.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "temporaryportmap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The kernel's termios2, to read back what the device really runs at (its speed as a number too);
// it cannot share a file with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace {

// The line of the device as the kernel holds it.
struct DeviceLine
{
    unsigned speed = 0;
    int dataBits = 0;
    bool twoStopBits = false;
    bool parity = false;
    bool rtsCts = false;
    bool xonXoff = false;
};

DeviceLine deviceLine(QtSerialPort &port)
{
    auto *serial = port.findChild<QSerialPort *>();
    termios2 tio {};
    if (!serial || ioctl(int(serial->handle()), TCGETS2, &tio) != 0)
        return {};
    const unsigned size = tio.c_cflag & CSIZE;
    return { tio.c_ospeed,
             size == CS5       ? 5
                 : size == CS6 ? 6
                 : size == CS7 ? 7
                               : 8,
             bool(tio.c_cflag & CSTOPB),
             bool(tio.c_cflag & PARENB),
             bool(tio.c_cflag & CRTSCTS),
             (tio.c_iflag & IXON) && (tio.c_iflag & IXOFF) };
}

// What the port reported, for the message of a failed check.
QString failureText(const CommError &error)
{
    return QStringLiteral("error %1, fault kind %2, device %3: %4")
        .arg(error.number)
        .arg(int(error.fault.kind))
        .arg(error.fault.device, error.fault.systemCause);
}

} // namespace

// An open that must succeed; a failure says what the port reported.
#define VERIFY_OPENS(port)                                                                         \
    do {                                                                                           \
        const CommError openError = (port)->setPortOpen(true);                                     \
        QVERIFY2(!openError, qPrintable(failureText(openError)));                                  \
    } while (false)

// The real port over a pseudo-terminal: the test links Com1 to the slave side in a temporary
// configuration folder and plays the motor indexer on the master side.
class tst_QtSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mapsPortThroughLink();
    void namesTheDeviceAsChosen();
    void writesArriveExactlyAndInOrder();
    void receivedBytesRaiseOnCommAndInputDrains();
    void thresholdCountsWaitingBytes();
    void thresholdZeroRaisesNothing();
    void openRefusals_data();
    void openRefusals();
    void refusedSettingLeavesPortAsItWas_data();
    void refusedSettingLeavesPortAsItWas();
    void acceptedSettingsReachDevice_data();
    void acceptedSettingsReachDevice();
    void settingsKeptWhileClosedAndAppliedOnOpen();
    void settingRefusedByDeviceFailsOpen();
    void commPort();
    void handshakingRefusals_data();
    void handshakingRefusals();
    void handshakingReachesDevice_data();
    void handshakingReachesDevice();
    void outputWhileClosedRefused();
    void unplugClosesAtOnceWithoutSpinning();

private:
    std::unique_ptr<TemporaryPortMap> m_ports;
    std::unique_ptr<PseudoTerminal> m_pty;
    std::unique_ptr<QtSerialPort> m_port;
};

void tst_QtSerialPort::init()
{
    m_ports = std::make_unique<TemporaryPortMap>();
    QVERIFY(m_ports->isValid());
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_pty->isValid(), qPrintable(m_pty->errorString()));
    QVERIFY(m_ports->link(1, m_pty->slavePath()));
    m_port = std::make_unique<QtSerialPort>();
}

void tst_QtSerialPort::cleanup()
{
    m_port.reset();
    m_pty.reset();
    m_ports.reset();
}

void tst_QtSerialPort::namesTheDeviceAsChosen()
{
    // Port 2 is a stable name, as udev makes them in /dev/serial/by-id, for the terminal.
    const QString byId = m_ports->path() + QStringLiteral("/by-id/usb-FTDI_FT232R-if00-port0");
    QVERIFY(QDir().mkpath(m_ports->path() + QStringLiteral("/by-id")));
    QVERIFY(QFile::link(m_pty->slavePath(), byId));
    QVERIFY(m_ports->link(2, byId));
    QVERIFY(!m_port->setCommPort(2));
    QCOMPARE(m_port->deviceName(), byId);
    QCOMPARE(m_port->devicePath(), m_pty->slavePath());
    QVERIFY(!m_port->setPortOpen(true));
    QCOMPARE(m_port->deviceName(), byId);

    // Unplugged, the reason names both.
    m_pty->closeMaster();
    QTRY_VERIFY(!m_port->PortOpen());
    QCOMPARE(m_port->closedReason().kind, PortFault::Kind::Unplugged);
    QCOMPARE(m_port->closedReason().name, byId);
    QCOMPARE(m_port->closedReason().device, m_pty->slavePath());
}

void tst_QtSerialPort::mapsPortThroughLink()
{
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_port->devicePath(), m_pty->slavePath());
    QVERIFY(!m_port->PortOpen());

    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    const CommError error = m_port->setPortOpen(true);
    QVERIFY2(!error, qPrintable(QString::number(error.number)));
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->findChild<QSerialPort *>()->portName(), m_pty->slavePath().mid(5));
    QCOMPARE(m_port->devicePath(), m_pty->slavePath());
    QVERIFY(!m_port->closedReason().failed());
    QCOMPARE(changed.count(), 1);

    QVERIFY(!m_port->setPortOpen(false));
    QVERIFY(!m_port->PortOpen());
    QVERIFY(!m_port->closedReason().failed());
    QCOMPARE(changed.count(), 2);
}

void tst_QtSerialPort::writesArriveExactlyAndInOrder()
{
    VERIFY_OPENS(m_port);
    // Commands as the motor window sends them, then bytes a terminal would translate or eat.
    const QList<QByteArray> writes = {
        "LD0\r", "A5\r", "V3\r", "D4000\r", "MN\r", "G\r", QByteArray("\x00\n\x11\x13\xff\r\n", 7)
    };
    for (const QByteArray &bytes : writes) {
        const CommError error = m_port->Output(bytes);
        QVERIFY2(!error, qPrintable(QString::number(error.number)));
    }
    const QByteArray expected("LD0\rA5\rV3\rD4000\rMN\rG\r\x00\n\x11\x13\xff\r\n", 28);
    QCOMPARE(m_pty->readAtLeast(expected.size()), expected);
}

void tst_QtSerialPort::receivedBytesRaiseOnCommAndInputDrains()
{
    m_port->setRThreshold(1);
    VERIFY_OPENS(m_port);
    QByteArray received;
    QList<int> events;
    connect(m_port.get(), &SerialPort::OnComm, this, [&] {
        events << m_port->CommEvent();
        received += m_port->Input();
    });

    QVERIFY(m_pty->write("*READY\r"));
    QTRY_COMPARE(received, QByteArray("*READY\r"));
    QVERIFY(!events.isEmpty());
    QCOMPARE(events, QList<int>(events.size(), SerialPort::Receive));
    QCOMPARE(m_port->CommEvent(), int(SerialPort::NoEvent));
    QCOMPARE(m_port->Input(), QByteArray());
}

void tst_QtSerialPort::thresholdCountsWaitingBytes()
{
    m_port->setRThreshold(4);
    VERIFY_OPENS(m_port);
    QSignalSpy onComm(m_port.get(), &SerialPort::OnComm);
    auto *serial = m_port->findChild<QSerialPort *>();

    QVERIFY(m_pty->write("OK"));
    QTRY_COMPARE(serial->bytesAvailable(), 2);
    QCOMPARE(onComm.count(), 0);

    QVERIFY(m_pty->write("\r\n"));
    QTRY_COMPARE(onComm.count(), 1);
    QCOMPARE(m_port->Input(), QByteArray("OK\r\n"));
}

void tst_QtSerialPort::thresholdZeroRaisesNothing()
{
    QCOMPARE(m_port->RThreshold(), 0);
    VERIFY_OPENS(m_port);
    QSignalSpy onComm(m_port.get(), &SerialPort::OnComm);

    QVERIFY(m_pty->write("abc"));
    QByteArray got;
    QTRY_COMPARE(got += m_port->Input(), QByteArray("abc"));
    QCOMPARE(onComm.count(), 0);
}

void tst_QtSerialPort::openRefusals_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("number");
    QTest::addColumn<PortFault::Kind>("kind");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("linkNamed");

    QTest::newRow("link to a missing device")
        << "missing" << int(CommError::InvalidPort) << PortFault::Kind::DanglingLink
        << "/dev/ttyUSB-not-there" << true;
    QTest::newRow("link loop") << "loop" << int(CommError::InvalidPort) << PortFault::Kind::LinkLoop
                               << "<ports>/loop" << true;
    QTest::newRow("no link and no device") << "no link" << int(CommError::InvalidPort)
                                           << PortFault::Kind::NoDevice << "/dev/ttyS1" << true;
    QTest::newRow("held by another port object") << "second port" << int(CommError::PortAlreadyOpen)
                                                 << PortFault::Kind::Busy << "<slave>" << false;
    QTest::newRow("locked by another QSerialPort user")
        << "qserialport" << int(CommError::PortAlreadyOpen) << PortFault::Kind::Busy << "<slave>"
        << false;
}

void tst_QtSerialPort::openRefusals()
{
    QFETCH(QString, how);
    QFETCH(int, number);
    QFETCH(PortFault::Kind, kind);
    QFETCH(QString, device);
    QFETCH(bool, linkNamed);
    device.replace("<slave>", m_pty->slavePath());
    device.replace("<ports>", m_ports->path() + QStringLiteral("/Tiltbench/ports"));

    QtSerialPort holder;
    QSerialPort other;
    if (how == u"missing") {
        QVERIFY(m_ports->link(2, QStringLiteral("/dev/ttyUSB-not-there")));
    } else if (how == u"loop") {
        // com2 -> loop -> com2.
        QVERIFY(m_ports->link(2, device));
        QVERIFY(QFile::link(PortMap::linkPath(2), device));
    } else if (how != u"no link") {
        QVERIFY(m_ports->link(2, m_pty->slavePath()));
        if (how == u"second port") {
            QVERIFY(!holder.setPortOpen(true));
        } else {
            other.setPortName(m_pty->slavePath());
            QVERIFY(other.open(QIODevice::ReadWrite));
        }
    }
    if (how == u"no link" && QFileInfo::exists(device))
        QSKIP("This computer has a /dev/ttyS1");
    QVERIFY(!m_port->setCommPort(2));
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);

    const CommError error = m_port->setPortOpen(true);
    QCOMPARE(error.number, number);
    QCOMPARE(error.fault.kind, kind);
    QCOMPARE(error.fault.port, 2);
    QCOMPARE(error.fault.device, device);
    QCOMPARE(error.fault.link,
             linkNamed ? m_ports->path() + QStringLiteral("/Tiltbench/ports/com2") : QString());
    QVERIFY(!m_port->PortOpen());
    // The status line tells the same story.
    QCOMPARE(m_port->closedReason().kind, kind);
    QCOMPARE(m_port->closedReason().device, device);
    QCOMPARE(changed.count(), 1);

    // Whoever holds the device keeps it in working order.
    if (how == u"second port") {
        QVERIFY(holder.PortOpen());
        QVERIFY(!holder.Output("G\r"));
        QCOMPARE(m_pty->readAtLeast(2), QByteArray("G\r"));
    }
}

void tst_QtSerialPort::refusedSettingLeavesPortAsItWas_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("number");
    QTest::addColumn<PortFault::Kind>("kind");
    QTest::addColumn<PortFault::Setting>("setting");
    QTest::addColumn<int>("value");

    using K = PortFault::Kind;
    using S = PortFault::Setting;
    const int invalid = CommError::InvalidPropertyValue;
    const int refused = CommError::SetCommStateFailed;
    QTest::newRow("malformed") << "9600,N,8" << invalid << K::MalformedSettings << S::Line << 0;
    QTest::newRow("1.5 stop bits")
        << "9600,N,8,1.5" << invalid << K::UnsupportedStopBits << S::Line << 0;
    QTest::newRow("4 data bits") << "9600,N,4,1" << invalid << K::UnsupportedDataBits << S::Line
                                 << 4;
    // What a pseudo-terminal cannot do: QSerialPort itself refuses some, and reports success for
    // the others although the kernel dropped them.
    QTest::newRow("5 data bits, ignored by the device")
        << "9600,N,5,1" << refused << K::SettingRefused << S::DataBits << 5;
    QTest::newRow("6 data bits") << "9600,N,6,1" << refused << K::SettingRefused << S::DataBits
                                 << 6;
    QTest::newRow("7 data bits") << "9600,N,7,1" << refused << K::SettingRefused << S::DataBits
                                 << 7;
    QTest::newRow("even parity") << "9600,E,8,1" << refused << K::SettingRefused << S::Parity
                                 << int('e');
    QTest::newRow("odd parity, ignored by the device")
        << "9600,O,8,1" << refused << K::SettingRefused << S::Parity << int('o');
    QTest::newRow("mark parity, ignored by the device")
        << "9600,M,8,1" << refused << K::SettingRefused << S::Parity << int('m');
    QTest::newRow("space parity, ignored by the device")
        << "9600,S,8,1" << refused << K::SettingRefused << S::Parity << int('s');
    QTest::newRow("speed applied before parity refused")
        << "57600,E,8,1" << refused << K::SettingRefused << S::Parity << int('e');
}

void tst_QtSerialPort::refusedSettingLeavesPortAsItWas()
{
    QFETCH(QString, settings);
    QFETCH(int, number);
    QFETCH(PortFault::Kind, kind);
    QFETCH(PortFault::Setting, setting);
    QFETCH(int, value);

    QVERIFY(!m_port->setSettings(QStringLiteral("19200,N,8,2")));
    VERIFY_OPENS(m_port);
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);

    const CommError error = m_port->setSettings(settings);
    QCOMPARE(error.number, number);
    QCOMPARE(error.fault.kind, kind);
    QCOMPARE(error.fault.port, 1);
    QCOMPARE(error.fault.device, m_pty->slavePath());
    if (kind == PortFault::Kind::MalformedSettings)
        QCOMPARE(error.fault.text, settings);
    if (kind == PortFault::Kind::SettingRefused)
        QCOMPARE(error.fault.setting, setting);
    QCOMPARE(error.fault.value, value);
    QVERIFY(!error.fault.restoreFailed);
    QCOMPARE(changed.count(), 0);
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->Settings(), QStringLiteral("19200,n,8,2"));

    const DeviceLine line = deviceLine(*m_port);
    QCOMPARE(line.speed, 19200u);
    QCOMPARE(line.dataBits, 8);
    QVERIFY(line.twoStopBits);
    QVERIFY(!line.parity);
    QVERIFY(!m_port->Output("S\r"));
    QCOMPARE(m_pty->readAtLeast(2), QByteArray("S\r"));
}

void tst_QtSerialPort::acceptedSettingsReachDevice_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("readBack");
    QTest::addColumn<unsigned>("speed");
    QTest::addColumn<bool>("twoStopBits");

    QTest::newRow("115200, two stop bits") << "115200,N,8,2"
                                           << "115200,n,8,2" << 115200u << true;
    QTest::newRow("110, lower-case parity") << "110,n,8,1"
                                            << "110,n,8,1" << 110u << false;
    // Speeds outside the standard termios list go through the kernel's arbitrary-speed setting.
    QTest::newRow("14400") << "14400,N,8,1"
                           << "14400,n,8,1" << 14400u << false;
    QTest::newRow("28800") << "28800,N,8,1"
                           << "28800,n,8,1" << 28800u << false;
    QTest::newRow("56000") << "56000,N,8,1"
                           << "56000,n,8,1" << 56000u << false;
    QTest::newRow("128000") << "128000,N,8,1"
                            << "128000,n,8,1" << 128000u << false;
    QTest::newRow("256000") << "256000,N,8,2"
                            << "256000,n,8,2" << 256000u << true;
}

void tst_QtSerialPort::acceptedSettingsReachDevice()
{
    QFETCH(QString, settings);
    QFETCH(QString, readBack);
    QFETCH(unsigned, speed);
    QFETCH(bool, twoStopBits);

    VERIFY_OPENS(m_port);
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    const CommError error = m_port->setSettings(settings);
    QVERIFY2(!error, qPrintable(QString::number(error.number)));
    QCOMPARE(m_port->Settings(), readBack);
    QCOMPARE(changed.count(), 1);

    const DeviceLine line = deviceLine(*m_port);
    QCOMPARE(line.speed, speed);
    QCOMPARE(line.twoStopBits, twoStopBits);
    QCOMPARE(line.dataBits, 8);
}

void tst_QtSerialPort::settingsKeptWhileClosedAndAppliedOnOpen()
{
    QCOMPARE(m_port->Settings(), QStringLiteral("9600,n,8,1"));
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    QVERIFY(!m_port->setSettings(QStringLiteral("2400,N,8,2")));
    QCOMPARE(m_port->Settings(), QStringLiteral("2400,n,8,2"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_port->PortOpen());

    VERIFY_OPENS(m_port);
    const DeviceLine line = deviceLine(*m_port);
    QCOMPARE(line.speed, 2400u);
    QVERIFY(line.twoStopBits);

    // Reopening applies the text again rather than whatever the device was left at.
    QVERIFY(!m_port->setPortOpen(false));
    QVERIFY(!m_port->setSettings(QStringLiteral("4800,N,8,1")));
    VERIFY_OPENS(m_port);
    QCOMPARE(deviceLine(*m_port).speed, 4800u);
    QVERIFY(!deviceLine(*m_port).twoStopBits);
}

void tst_QtSerialPort::settingRefusedByDeviceFailsOpen()
{
    // While closed there is no device to ask; the open then names the setting it refused.
    QVERIFY(!m_port->setSettings(QStringLiteral("9600,E,7,1")));
    const CommError error = m_port->setPortOpen(true);
    QCOMPARE(error.number, int(CommError::SetCommStateFailed));
    QCOMPARE(error.fault.setting, PortFault::Setting::DataBits);
    QCOMPARE(error.fault.value, 7);
    QVERIFY(!m_port->PortOpen());
    // The status line names the whole text the device would not take.
    const PortFault reason = m_port->closedReason();
    QCOMPARE(reason.kind, PortFault::Kind::SettingRefused);
    QCOMPARE(reason.setting, PortFault::Setting::Line);
    QCOMPARE(reason.text, QStringLiteral("9600,e,7,1"));
    QCOMPARE(reason.device, m_pty->slavePath());

    // The device was released: a good text opens it straight away.
    QVERIFY(!m_port->setSettings(QStringLiteral("9600,N,8,1")));
    VERIFY_OPENS(m_port);
    QVERIFY(!m_port->closedReason().failed());
}

void tst_QtSerialPort::commPort()
{
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    CommError error = m_port->setCommPort(0);
    QCOMPARE(error.number, int(CommError::InvalidPort));
    QCOMPARE(error.fault.kind, PortFault::Kind::InvalidPortNumber);
    QCOMPARE(error.fault.value, 0);
    QCOMPARE(m_port->CommPort(), 1);

    VERIFY_OPENS(m_port);
    changed.clear();
    error = m_port->setCommPort(2);
    QCOMPARE(error.number, int(CommError::PortOpen));
    QCOMPARE(error.fault.kind, PortFault::Kind::RenumberWhileOpen);
    QCOMPARE(error.fault.port, 1);
    QCOMPARE(error.fault.device, m_pty->slavePath());
    QCOMPARE(m_port->CommPort(), 1);
    QVERIFY(m_port->PortOpen());
    QCOMPARE(changed.count(), 0);

    QVERIFY(!m_port->setPortOpen(false));
    QVERIFY(!m_port->setCommPort(2));
    QCOMPARE(m_port->CommPort(), 2);
    QCOMPARE(changed.count(), 2);
}

void tst_QtSerialPort::handshakingRefusals_data()
{
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("value");

    QTest::newRow("4") << false << 4;
    QTest::newRow("-1") << true << -1;
}

void tst_QtSerialPort::handshakingRefusals()
{
    QFETCH(bool, open);
    QFETCH(int, value);

    QVERIFY(!m_port->setHandshaking(SerialPort::RtsCts));
    if (open)
        VERIFY_OPENS(m_port);
    const CommError error = m_port->setHandshaking(value);
    QCOMPARE(error.number, int(CommError::InvalidPropertyValue));
    QCOMPARE(error.fault.kind, PortFault::Kind::UnknownHandshaking);
    QCOMPARE(error.fault.value, value);
    QCOMPARE(m_port->Handshaking(), int(SerialPort::RtsCts));
    if (open)
        QVERIFY(deviceLine(*m_port).rtsCts);
}

void tst_QtSerialPort::handshakingReachesDevice_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("setWhileOpen");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("rtsCts");
    QTest::addColumn<bool>("xonXoff");

    QTest::newRow("Xon/Xoff while open") << 0 << true << 1 << false << true;
    QTest::newRow("RTS/CTS while open") << 0 << true << 2 << true << false;
    QTest::newRow("Xon/RTS while open") << 0 << true << 3 << true << true;
    QTest::newRow("Xon/Xoff kept while closed") << 0 << false << 1 << false << true;
    QTest::newRow("RTS/CTS kept while closed") << 0 << false << 2 << true << false;
    QTest::newRow("Xon/RTS kept while closed") << 0 << false << 3 << true << true;
    QTest::newRow("none") << 2 << true << 0 << false << false;
    QTest::newRow("Xon/RTS to Xon/Xoff drops RTS/CTS") << 3 << true << 1 << false << true;
    QTest::newRow("Xon/RTS to RTS/CTS drops Xon/Xoff") << 3 << true << 2 << true << false;
    QTest::newRow("Xon/RTS to none drops both") << 3 << true << 0 << false << false;
    QTest::newRow("Xon/RTS from RTS/CTS") << 2 << true << 3 << true << true;
}

void tst_QtSerialPort::handshakingReachesDevice()
{
    QFETCH(int, before);
    QFETCH(bool, setWhileOpen);
    QFETCH(int, value);
    QFETCH(bool, rtsCts);
    QFETCH(bool, xonXoff);

    QVERIFY(!m_port->setHandshaking(before));
    if (setWhileOpen)
        VERIFY_OPENS(m_port);
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    const CommError error = m_port->setHandshaking(value);
    QVERIFY2(!error, qPrintable(QString::number(error.number)));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_port->Handshaking(), value);
    if (!setWhileOpen)
        VERIFY_OPENS(m_port);

    // Read from the device's end, not through the port's own handle.
    const PseudoTerminal::FlowControl line = m_pty->flowControl();
    QVERIFY(line.read);
    QCOMPARE(line.rtsCts, rtsCts);
    QCOMPARE(line.xonXoff, xonXoff);
    QCOMPARE(line.anyXonXoff, xonXoff);
}

void tst_QtSerialPort::outputWhileClosedRefused()
{
    const CommError error = m_port->Output("G\r");
    QCOMPARE(error.number, int(CommError::PortNotOpen));
    QCOMPARE(error.fault.kind, PortFault::Kind::NotOpen);
    QCOMPARE(error.fault.port, 1);
    QCOMPARE(error.fault.device, m_pty->slavePath());
    QCOMPARE(m_pty->readAvailable(), QByteArray());
}

void tst_QtSerialPort::unplugClosesAtOnceWithoutSpinning()
{
    m_port->setRThreshold(1);
    VERIFY_OPENS(m_port);
    QSignalSpy changed(m_port.get(), &SerialPort::stateChanged);
    int errorsReported = 0;
    connect(m_port->findChild<QSerialPort *>(), &QSerialPort::errorOccurred, this,
            [&](QSerialPort::SerialPortError error) {
                if (error != QSerialPort::NoError)
                    ++errorsReported;
            });

    m_pty->closeMaster();
    QTRY_VERIFY_WITH_TIMEOUT(!m_port->PortOpen(), 1000);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_port->closedReason().kind, PortFault::Kind::Unplugged);
    QCOMPARE(m_port->closedReason().device, m_pty->slavePath());

    // Left open, QSerialPort repeats the error on every turn of the event loop, some hundred
    // thousand reports a second; a thousand turns would show it.
    const int errorsAtClose = errorsReported;
    for (int turn = 0; turn < 1000; ++turn)
        QCoreApplication::processEvents();
    QCOMPARE(errorsReported, errorsAtClose);
    QVERIFY2(errorsAtClose <= 3, QByteArray::number(errorsAtClose));
    QCOMPARE(changed.count(), 1);

    const CommError error = m_port->Output("G\r");
    QCOMPARE(error.number, int(CommError::DeviceGone));
    QCOMPARE(error.fault.kind, PortFault::Kind::Unplugged);
    QCOMPARE(error.fault.device, m_pty->slavePath());
}

QTEST_GUILESS_MAIN(tst_QtSerialPort)
#include "tst_qtserialport.moc"
