#include "fakeserialport.h"
#include "portmessages.h"

#include <QTest>

namespace {

PortFault fault(PortFault::Kind kind, const QString &device = QStringLiteral("/dev/ttyS2"))
{
    PortFault f;
    f.kind = kind;
    f.port = 3;
    f.device = device;
    return f;
}

} // namespace

Q_DECLARE_METATYPE(PortFault)

// The operator's sentences, for the faults whose wording depends on more than the kind: what the
// fault carries (a link, a group, the system's cause, a failed restore) changes the advice.
class tst_PortMessages : public QObject
{
    Q_OBJECT

private slots:
    void describe_data();
    void describe();
    void portState();
};

void tst_PortMessages::describe_data()
{
    QTest::addColumn<PortFault>("fault");
    QTest::addColumn<QString>("text");

    using K = PortFault::Kind;
    const QString link = QStringLiteral("/home/lab/.config/Tiltbench/ports/com3");

    QTest::newRow("no device where ports are not linked")
        << fault(K::NoDevice, QStringLiteral("COM3"))
        << "Com3 (COM3) could not be opened: there is no such port. Plug in the adapter, or "
           "choose another port.";
    PortFault noDevice = fault(K::NoDevice);
    noDevice.link = link;
    QTest::newRow("no device, no link yet")
        << noDevice
        << "Com3 could not be opened: there is no device /dev/ttyS2. Plug in the adapter, or "
           "choose "
           "its device in Options > Port Map... (without the program: ln -s /dev/ttyUSB0 "
           "/home/lab/.config/Tiltbench/ports/com3)";
    PortFault none = fault(K::NoDevice, {});
    none.link = link;
    QTest::newRow("port without any device")
        << none
        << "Com3 has no device. Plug in the adapter, or choose its device in Options > Port Map... "
           "(without the program: ln -s /dev/ttyUSB0 /home/lab/.config/Tiltbench/ports/com3)";
    PortFault dangling = fault(K::DanglingLink, QStringLiteral("/dev/ttyUSB0"));
    dangling.link = link;
    QTest::newRow("link to an unplugged adapter")
        << dangling
        << "Com3 could not be opened: its link /home/lab/.config/Tiltbench/ports/com3 points to "
           "/dev/ttyUSB0, which does not exist. Plug in the adapter, or choose its device in "
           "Options > Port Map...";
    PortFault loop = fault(K::LinkLoop, QStringLiteral("/home/lab/.config/Tiltbench/ports/a"));
    loop.link = link;
    QTest::newRow("link loop")
        << loop
        << "Com3 could not be opened: its link /home/lab/.config/Tiltbench/ports/com3 points to "
           "/home/lab/.config/Tiltbench/ports/a, which leads back round in a loop of links and "
           "never reaches a device. Choose the device in Options > Port Map...";
    PortFault byId = fault(K::Busy, QStringLiteral("/dev/ttyUSB0"));
    byId.name = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R-if00-port0");
    QTest::newRow("device chosen by its stable name")
        << byId
        << "Com3 on /dev/serial/by-id/usb-FTDI_FT232R-if00-port0 (/dev/ttyUSB0) could not be "
           "opened: another program is using it. Close that program, or choose another port.";
    PortFault dialout = fault(K::AccessDenied);
    dialout.group = QStringLiteral("dialout");
    QTest::newRow("permission, group known")
        << dialout
        << "Com3 (/dev/ttyS2) could not be opened: permission denied. Your user must be in the "
           "dialout group: run sudo adduser $USER dialout, then log out and log in again.";
    QTest::newRow("permission, no group to join")
        << fault(K::AccessDenied)
        << "Com3 (/dev/ttyS2) could not be opened: permission denied. Ask the computer's "
           "administrator to give your user access to the serial port.";
    PortFault other = fault(K::OpenFailed);
    other.systemCause = QStringLiteral("Input/output error");
    QTest::newRow("open failed otherwise")
        << other
        << "Com3 (/dev/ttyS2) could not be opened (Input/output error). Check the device and its "
           "cable, then try again.";
    PortFault ignored = fault(K::SettingRefused);
    ignored.setting = PortFault::Setting::Parity;
    ignored.value = 'm';
    QTest::newRow("setting ignored by the device")
        << ignored
        << "Com3 (/dev/ttyS2) cannot use mark parity: the device does not support it. Choose "
           "another setting in Options > Port Properties...";
    PortFault refused = fault(K::SettingRefused);
    refused.setting = PortFault::Setting::Speed;
    refused.value = 250000;
    refused.systemCause = QStringLiteral("Invalid argument");
    refused.restoreFailed = true;
    QTest::newRow("speed refused, old line lost")
        << refused
        << "Com3 (/dev/ttyS2) cannot use a speed of 250000 bits per second: the device refused it "
           "(Invalid argument). Choose another setting in Options > Port Properties... The port "
           "was closed, because its previous settings could not be restored either.";
    PortFault both = fault(K::SettingRefused);
    both.setting = PortFault::Setting::Handshaking;
    both.value = 3;
    QTest::newRow("both flow controls ignored")
        << both
        << "Com3 (/dev/ttyS2) cannot use Xon/Xoff and RTS/CTS flow control together: the device "
           "does not support it. Choose another setting in Options > Port Properties...";
    QTest::newRow("write after unplug")
        << fault(K::Unplugged, QStringLiteral("/dev/ttyACM0"))
        << "Com3 is closed because the device /dev/ttyACM0 was disconnected, so nothing was "
           "sent. Plug the device back in: the port opens again by itself.";
    PortFault flow = fault(K::UnknownHandshaking);
    flow.value = 7;
    QTest::newRow("flow control out of range")
        << flow
        << "7 is not a flow control for Com3. Use 0 (None), 1 (Xon/Xoff), 2 (RTS/CTS) or 3 "
           "(Xon/RTS).";
}

void tst_PortMessages::describe()
{
    QFETCH(PortFault, fault);
    QFETCH(QString, text);
    QCOMPARE(PortMessages::describe(CommError { CommError::InvalidPort, fault }), text);
}

void tst_PortMessages::portState()
{
    FakeSerialPort port;
    QCOMPARE(PortMessages::portState(port), QStringLiteral("Com1 closed"));
    QVERIFY(!port.setSettings(QStringLiteral("19200,E,7,2")));
    QVERIFY(!port.setPortOpen(true));
    QCOMPARE(PortMessages::portState(port), QStringLiteral("Com1 open: /dev/fake1, 19200,e,7,2"));
    port.unplug();
    QCOMPARE(PortMessages::portState(port),
             QStringLiteral("Com1 closed: the device /dev/fake1 was disconnected"));

    port.setDevice(2, {});
    port.refuseOpen(2, PortFault::Kind::NoDevice);
    QVERIFY(!port.setCommPort(2));
    QVERIFY(port.setPortOpen(true));
    QCOMPARE(PortMessages::portState(port),
             QStringLiteral("Com2 closed: there is no device for this port"));

    // The reasons the fake cannot produce.
    PortFault lost = fault(PortFault::Kind::SettingRefused);
    lost.restoreFailed = true;
    QCOMPARE(PortMessages::closedReason(lost),
             QStringLiteral("the previous settings of /dev/ttyS2 could not be restored"));
    PortFault atOpen = fault(PortFault::Kind::SettingRefused);
    atOpen.text = QStringLiteral("9600,e,7,1");
    QCOMPARE(PortMessages::closedReason(atOpen),
             QStringLiteral("the device /dev/ttyS2 refused the settings 9600,e,7,1"));
    QCOMPARE(PortMessages::closedReason(PortFault()), QString());
}

QTEST_APPLESS_MAIN(tst_PortMessages)
#include "tst_portmessages.moc"
