#include "trafficformat.h"
#include "trafficrecorder.h"

#include <QTest>

using Kind = TrafficEntry::Kind;
using TimeMode = TrafficFormat::TimeMode;

Q_DECLARE_METATYPE(TrafficEntry)

namespace {

// 3,723,004 ms after the epoch is 01:02:03.004 on 1 January 1970 (the test runs with TZ=UTC).
constexpr qint64 kTime = 3'723'004;

TrafficEntry bytesEntry(Kind kind, const QByteArray &bytes)
{
    TrafficEntry entry;
    entry.time = kTime;
    entry.kind = kind;
    entry.port = 2;
    entry.bytes = bytes;
    return entry;
}

TrafficEntry eventEntry(Kind kind, PortFault::Kind fault = PortFault::Kind::None)
{
    TrafficEntry entry = bytesEntry(kind, {});
    entry.fault.kind = fault;
    entry.fault.port = 2;
    return entry;
}

const QString kById
    = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5XYZ-if00-port0");

} // namespace

class tst_TrafficFormat : public QObject
{
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void times_data();
    void times();
};

void tst_TrafficFormat::rows_data()
{
    QTest::addColumn<TrafficEntry>("entry");
    QTest::addColumn<bool>("asHex");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("command") << bytesEntry(Kind::Sent, "D-10000\r") << false
                             << QStringList { "01:02:03.004  TX    D-10000\\r" };
    QTest::newRow("CR LF and tab") << bytesEntry(Kind::Received, "*\t1\r\n") << false
                                   << QStringList { "01:02:03.004  RX    *\\t1\\r\\n" };
    QTest::newRow("bytes outside printable ASCII")
        << bytesEntry(Kind::Received, QByteArray("\x00\x1f\x7f\x80\xff", 5)) << false
        << QStringList { "01:02:03.004  RX    \\x00\\x1f\\x7f\\x80\\xff" };
    QTest::newRow("printable edges and backslash") << bytesEntry(Kind::Received, " ~\\") << false
                                                   << QStringList { "01:02:03.004  RX     ~\\\\" };

    // The hex dump: offset, two groups of eight pairs, the ASCII between bars; a short row is
    // padded so that its ASCII starts where a full row's does.
    QTest::newRow("hex, one short row")
        << bytesEntry(Kind::Sent, "LD0\r") << true
        << QStringList {
               "01:02:03.004  TX    0000  4c 44 30 0d                                       |LD0.|"
           };
    QTest::newRow("hex, a full row and a short one")
        << bytesEntry(Kind::Received, QByteArray("0123456789abcdef\x00\xff\r\n", 20)) << true
        << QStringList {
               "01:02:03.004  RX    0000  30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  "
               "|0123456789abcdef|",
               "                    0010  00 ff 0d 0a                                       |....|"
           };
    QTest::newRow("hex, empty") << bytesEntry(Kind::Received, {}) << true
                                << QStringList { "01:02:03.004  RX    " };

    TrafficEntry opened = eventEntry(Kind::Opened);
    opened.line = { kById, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("9600,n,8,1"), 2 };
    QTest::newRow("opened by its stable name")
        << opened << true
        << QStringList { "01:02:03.004  Port  Com2 opened: " + kById
                         + " (/dev/ttyUSB0), 9600,n,8,1, RTS/CTS flow control" };
    TrafficEntry simulator = eventEntry(Kind::Reconnected);
    simulator.line = { QStringLiteral("/dev/pts/3"), QStringLiteral("/dev/pts/3"),
                       QStringLiteral("9600,n,8,1"), 0 };
    QTest::newRow("reconnected, name and device the same")
        << simulator << false
        << QStringList { "01:02:03.004  Port  Com2 reconnected: /dev/pts/3, 9600,n,8,1" };
    QTest::newRow("closed on request")
        << eventEntry(Kind::Closed) << false << QStringList { "01:02:03.004  Port  Com2 closed" };
    TrafficEntry unplugged = eventEntry(Kind::Closed, PortFault::Kind::Unplugged);
    unplugged.fault.device = QStringLiteral("/dev/ttyUSB0");
    unplugged.fault.name = kById;
    QTest::newRow("unplugged") << unplugged << false
                               << QStringList { "01:02:03.004  Port  Com2 closed: the device "
                                                + kById + " (/dev/ttyUSB0) was disconnected" };
    TrafficEntry notSent = eventEntry(Kind::NotSent, PortFault::Kind::NotOpen);
    notSent.bytes = "G\r";
    QTest::newRow("a press refused by a closed port")
        << notSent << true
        << QStringList { "01:02:03.004  Port  Com2 did not send G\\r: the port is closed" };
    TrafficEntry loop = eventEntry(Kind::OpenFailed, PortFault::Kind::LinkLoop);
    loop.fault.link = QStringLiteral("/home/lab/.config/Tiltbench/ports/com2");
    QTest::newRow("link loop") << loop << false
                               << QStringList {
                                      "01:02:03.004  Port  Com2 could not be opened: its link "
                                      "/home/lab/.config/Tiltbench/ports/com2 leads round in a loop"
                                  };
}

void tst_TrafficFormat::rows()
{
    QFETCH(TrafficEntry, entry);
    QFETCH(bool, asHex);
    QFETCH(QStringList, rows);
    QCOMPARE(TrafficFormat::rows(entry, { asHex, TimeMode::TimeOfDay }), rows);
    QCOMPARE(TrafficFormat::rowCount(entry.kind, entry.bytes.size(), asHex), rows.size());
}

void tst_TrafficFormat::times_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<qint64>("previous"); // -1: none
    QTest::addColumn<QString>("time");

    QTest::newRow("time of day") << int(TimeMode::TimeOfDay) << qint64(-1) << "01:02:03.004";
    QTest::newRow("date and time")
        << int(TimeMode::DateAndTime) << qint64(-1) << "1970-01-01 01:02:03.004";
    // As wide as a time of day, so the columns after it stay in place.
    QTest::newRow("since previous")
        << int(TimeMode::SincePrevious) << kTime - 125 << "     +125 ms";
    QTest::newRow("same millisecond") << int(TimeMode::SincePrevious) << kTime << "       +0 ms";
    QTest::newRow("nothing before") << int(TimeMode::SincePrevious) << qint64(-1) << "        - ms";
    QTest::newRow("clock set back") << int(TimeMode::SincePrevious) << kTime + 40 << "      -40 ms";
}

void tst_TrafficFormat::times()
{
    QFETCH(int, mode);
    QFETCH(qint64, previous);
    QFETCH(QString, time);
    const auto before = previous < 0 ? std::nullopt : std::optional<qint64>(previous);
    QCOMPARE(TrafficFormat::time(kTime, before, TimeMode(mode)), time);
}

QTEST_APPLESS_MAIN(tst_TrafficFormat)
#include "tst_trafficformat.moc"
