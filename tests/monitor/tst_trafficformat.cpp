#include "trafficformat.h"
#include "trafficrecorder.h"

#include <QTest>

using Kind = TrafficEntry::Kind;

// Runs with TZ=UTC: 3,723,004 ms after the epoch is 01:02:03.004.
class tst_TrafficFormat : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
};

void tst_TrafficFormat::lines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("asHex");
    QTest::addColumn<QString>("line");

    const int sent = int(Kind::Sent);
    const int received = int(Kind::Received);
    QTest::newRow("command") << sent << QByteArray("D-10000\r") << QString() << false
                             << "01:02:03.004  TX    D-10000\\r";
    QTest::newRow("CR LF and tab") << received << QByteArray("*\t1\r\n") << QString() << false
                                   << "01:02:03.004  RX    *\\t1\\r\\n";
    QTest::newRow("bytes outside printable ASCII")
        << received << QByteArray("\x00\x1f\x7f\x80\xff", 5) << QString() << false
        << "01:02:03.004  RX    \\x00\\x1f\\x7f\\x80\\xff";
    QTest::newRow("printable edges and backslash")
        << received << QByteArray(" ~\\") << QString() << false << "01:02:03.004  RX     ~\\\\";
    QTest::newRow("hex") << received << QByteArray("\x00ok\r", 4) << QString() << true
                         << "01:02:03.004  RX    00 6f 6b 0d";
    QTest::newRow("opened") << int(Kind::Opened) << QByteArray() << "/dev/pts/3, 9600,n,8,1" << true
                            << "01:02:03.004  Port  Com2 opened: /dev/pts/3, 9600,n,8,1";
    QTest::newRow("closed on request") << int(Kind::Closed) << QByteArray() << QString() << false
                                       << "01:02:03.004  Port  Com2 closed";
    QTest::newRow("unplugged") << int(Kind::Closed) << QByteArray()
                               << "the device /dev/ttyUSB0 was disconnected" << false
                               << "01:02:03.004  Port  Com2 closed: the device /dev/ttyUSB0 was "
                                  "disconnected";
    QTest::newRow("reconnected")
        << int(Kind::Reconnected) << QByteArray() << "/dev/ttyUSB0, 9600,n,8,1" << false
        << "01:02:03.004  Port  Com2 reconnected: /dev/ttyUSB0, 9600,n,8,1";
}

void tst_TrafficFormat::lines()
{
    QFETCH(int, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, asHex);
    QFETCH(QString, line);

    const TrafficEntry entry { 3'723'004, Kind(kind), 2, bytes, text };
    QCOMPARE(TrafficFormat::line(entry, asHex), line);
}

QTEST_APPLESS_MAIN(tst_TrafficFormat)
#include "tst_trafficformat.moc"
