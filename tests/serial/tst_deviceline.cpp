#include "deviceline.h"
#include "serialport.h"

#include <QTest>

// The Windows port state decoded into settings, as plain code: each row is a DCB as the system
// would hand it over and the line it stands for.
class tst_DeviceLine : public QObject
{
    Q_OBJECT

private slots:
    void decodesDcb_data();
    void decodesDcb();
    void refusesUndefinedDcbValues_data();
    void refusesUndefinedDcbValues();
};

using Dcb = DeviceLine::Dcb;
Q_DECLARE_METATYPE(Dcb)

void tst_DeviceLine::decodesDcb_data()
{
    QTest::addColumn<Dcb>("dcb");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("handshaking");

    // baudRate, byteSize, parity, stopBits, outxCtsFlow, rtsControl, outX, inX
    QTest::newRow("9600,n,8,1 no flow control, RTS raised")
        << Dcb { 9600, 8, 0, 0, false, 1, false, false } << "9600,n,8,1"
        << int(SerialPort::NoHandshaking);
    QTest::newRow("19200,o,7,2 Xon/Xoff") << Dcb { 19200, 7, 1, 2, false, 0, true, true }
                                          << "19200,o,7,2" << int(SerialPort::XonXoff);
    QTest::newRow("4800,e,5,1.5 RTS/CTS") << Dcb { 4800, 5, 2, 1, true, 2, false, false }
                                          << "4800,e,5,1.5" << int(SerialPort::RtsCts);
    QTest::newRow("mark parity, both kinds of flow control")
        << Dcb { 1200, 8, 3, 0, true, 2, true, true } << "1200,m,8,1"
        << int(SerialPort::XonXoffAndRtsCts);
    QTest::newRow("space parity, 4 data bits, a speed no list names")
        << Dcb { 250000, 4, 4, 0, false, 0, false, false } << "250000,s,4,1"
        << int(SerialPort::NoHandshaking);
    QTest::newRow("CTS watched but RTS not handshaking is no named flow control")
        << Dcb { 9600, 8, 0, 0, true, 1, false, false } << "9600,n,8,1" << -1;
    QTest::newRow("RTS handshaking without CTS is no named flow control")
        << Dcb { 9600, 8, 0, 0, false, 2, false, false } << "9600,n,8,1" << -1;
    QTest::newRow("Xon/Xoff on output only is no named flow control")
        << Dcb { 9600, 8, 0, 0, false, 0, true, false } << "9600,n,8,1" << -1;
    QTest::newRow("Xon/Xoff on input only beside RTS/CTS is no named flow control")
        << Dcb { 9600, 8, 0, 0, true, 2, false, true } << "9600,n,8,1" << -1;
}

void tst_DeviceLine::decodesDcb()
{
    QFETCH(Dcb, dcb);
    QFETCH(QString, settings);
    QFETCH(int, handshaking);

    const std::optional<DeviceLine::State> state = DeviceLine::decodeDcb(dcb);
    QVERIFY(state);
    QCOMPARE(state->settings.toText(), settings);
    QCOMPARE(state->handshaking, handshaking);
}

void tst_DeviceLine::refusesUndefinedDcbValues_data()
{
    QTest::addColumn<Dcb>("dcb");

    QTest::newRow("3 data bits") << Dcb { 9600, 3, 0, 0, false, 0, false, false };
    QTest::newRow("9 data bits") << Dcb { 9600, 9, 0, 0, false, 0, false, false };
    QTest::newRow("parity 5") << Dcb { 9600, 8, 5, 0, false, 0, false, false };
    QTest::newRow("stop bits 3") << Dcb { 9600, 8, 0, 3, false, 0, false, false };
    QTest::newRow("RTS control 4") << Dcb { 9600, 8, 0, 0, false, 4, false, false };
}

void tst_DeviceLine::refusesUndefinedDcbValues()
{
    QFETCH(Dcb, dcb);
    QVERIFY(!DeviceLine::decodeDcb(dcb));
}

QTEST_APPLESS_MAIN(tst_DeviceLine)
#include "tst_deviceline.moc"
