#include "fakesettingsstore.h"
#include "portproperties.h"

#include <QTest>

class tst_PortProperties : public QObject
{
    Q_OBJECT

private slots:
    void recordsFourValuesInOrder_data();
    void recordsFourValuesInOrder();
    void failedWriteIsSkipped();
};

void tst_PortProperties::recordsFourValuesInOrder_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("commPort");
    QTest::addColumn<int>("handshaking");
    QTest::addColumn<bool>("echo");
    QTest::addColumn<QStringList>("writes");

    QTest::newRow("port 3, xon/xoff, echo on")
        << "9600,n,8,1" << 3 << 1 << true
        << QStringList { "Tiltbench/Properties/Settings=9600,n,8,1",
                         "Tiltbench/Properties/CommPort=3", "Tiltbench/Properties/Handshaking=1",
                         "Tiltbench/Properties/Echo=True" };
    QTest::newRow("port 1, no flow control, echo off")
        << "115200,m,7,1.5" << 1 << 0 << false
        << QStringList { "Tiltbench/Properties/Settings=115200,m,7,1.5",
                         "Tiltbench/Properties/CommPort=1", "Tiltbench/Properties/Handshaking=0",
                         "Tiltbench/Properties/Echo=False" };
    QTest::newRow("two-digit port, xon/rts")
        << "110,e,5,2" << 12 << 3 << false
        << QStringList { "Tiltbench/Properties/Settings=110,e,5,2",
                         "Tiltbench/Properties/CommPort=12", "Tiltbench/Properties/Handshaking=3",
                         "Tiltbench/Properties/Echo=False" };
}

void tst_PortProperties::recordsFourValuesInOrder()
{
    QFETCH(QString, settings);
    QFETCH(int, commPort);
    QFETCH(int, handshaking);
    QFETCH(bool, echo);
    QFETCH(QStringList, writes);

    FakeSettingsStore store;
    PortProperties { settings, commPort, handshaking, echo }.record(store, "Tiltbench");
    QCOMPARE(store.writes, writes);
}

void tst_PortProperties::failedWriteIsSkipped()
{
    FakeSettingsStore store;
    store.failingKeys = { "Settings", "Handshaking" };
    PortProperties { "9600,n,8,1", 2, 1, true }.record(store, "Tiltbench");
    QCOMPARE(store.writes,
             QStringList({ "Tiltbench/Properties/CommPort=2", "Tiltbench/Properties/Echo=True" }));
}

QTEST_APPLESS_MAIN(tst_PortProperties)
#include "tst_portproperties.moc"
