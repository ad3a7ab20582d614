#include "trafficmodel.h"
#include "trafficrecorder.h"

#include <QTest>

#include <memory>

// Finding and filtering over a recorded ring, without a window: the rows are the ones the monitor
// shows, the kinds left out are not searched, a hex dump is searched as shown, and rows the ring
// drops are gone from the search as well.
class tst_TrafficModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void findsInTheRowsShown_data();
    void findsInTheRowsShown();
    void ringDropsTheOldestRows();

private:
    QStringList rows() const;

    // Room for five entries.
    std::unique_ptr<TrafficRecorder> m_recorder;
    std::unique_ptr<TrafficModel> m_model;
};

void tst_TrafficModel::init()
{
    m_recorder = std::make_unique<TrafficRecorder>(TrafficRecorder::Limits { 5, 1024 * 1024 });
    m_model = std::make_unique<TrafficModel>(*m_recorder);
    m_recorder->recordSent(1, "LD0\r");
    m_recorder->recordReceived(1, "ok LD0\n");
    PortFault unplugged;
    unplugged.kind = PortFault::Kind::Unplugged;
    unplugged.port = 1;
    unplugged.device = QStringLiteral("/dev/ttyUSB0");
    m_recorder->recordFault(TrafficEntry::Kind::Closed, 1, unplugged);
    m_recorder->recordSent(1, "G\r");
    m_recorder->recordReceived(1, "0123456789abcdef-ok\n");
    m_model->refresh();
}

QStringList tst_TrafficModel::rows() const
{
    QStringList texts;
    for (int row = 0; row < m_model->rowCount(); ++row)
        texts << m_model->rowText(row).mid(QStringLiteral("hh:mm:ss.zzz  ").size());
    return texts;
}

void tst_TrafficModel::findsInTheRowsShown_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("hex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("found");

    const int all = TrafficModel::All;
    // All five, as text: 0 TX LD0, 1 RX ok LD0, 2 Port closed, 3 TX G, 4 RX 0123...-ok.
    QTest::newRow("from before the first") << all << false << "ld0" << -1 << true << 0;
    QTest::newRow("the next one") << all << false << "ld0" << 0 << true << 1;
    QTest::newRow("round past the end") << all << false << "LD0" << 1 << true << 0;
    QTest::newRow("back round past the start") << all << false << "ld0" << 0 << false << 1;
    QTest::newRow("back from after the last") << all << false << "ok" << 99 << false << 4;
    QTest::newRow("in a port event") << all << false << "ttyUSB0" << 0 << true << 2;
    QTest::newRow("only itself") << all << false << "G\\r" << 3 << true << 3;
    QTest::newRow("nowhere") << all << false << "xyz" << 0 << true << -1;
    // RX alone: 0 RX ok LD0, 1 RX 0123...-ok.
    QTest::newRow("received only")
        << int(TrafficModel::Received) << false << "ok" << 0 << true << 1;
    QTest::newRow("the event left out") << int(TrafficModel::Sent | TrafficModel::Received) << false
                                        << "ttyUSB0" << -1 << true << -1;
    // Hex dump: 0 TX, 1 RX ok LD0, 2 Port, 3 TX G, 4 and 5 the two rows of the 20 bytes.
    QTest::newRow("hex pairs") << all << true << "6f 6b" << -1 << true << 1;
    QTest::newRow("hex pairs, the second row") << all << true << "6f 6b" << 1 << true << 5;
    QTest::newRow("the ASCII column") << all << true << "|0123" << -1 << true << 4;
}

void tst_TrafficModel::findsInTheRowsShown()
{
    QFETCH(int, shown);
    QFETCH(bool, hex);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, found);

    m_model->setShown(shown);
    m_model->setHex(hex);
    QCOMPARE(m_model->find(text, from, forward), found);
}

void tst_TrafficModel::ringDropsTheOldestRows()
{
    m_model->setShown(TrafficModel::Sent | TrafficModel::Received);
    m_model->setHex(true);
    QCOMPARE(rows(),
             (QStringList {
                 "TX    0000  4c 44 30 0d                                       |LD0.|",
                 "RX    0000  6f 6b 20 4c 44 30 0a                              |ok LD0.|",
                 "TX    0000  47 0d                                             |G.|",
                 "RX    0000  30 31 32 33 34 35 36 37  38 39 61 62 63 64 65 66  |0123456789abcdef|",
                 // Below the first row, as far in as its time and direction reach.
                 "      0010  2d 6f 6b 0a                                       |-ok.|",
             }));

    // A sixth entry: the first goes, and with it the first row.
    m_recorder->recordSent(1, "S\r");
    m_model->refresh();
    QCOMPARE(m_model->rowCount(), 5);
    QCOMPARE(
        rows().constFirst(),
        QStringLiteral("RX    0000  6f 6b 20 4c 44 30 0a                              |ok LD0.|"));
    QCOMPARE(rows().constLast(),
             QStringLiteral("TX    0000  53 0d                                             |S.|"));
    QCOMPARE(m_model->find(QStringLiteral("LD0"), -1, true), 0);

    // The kinds shown again: the event is back, the dropped command is not.
    m_model->setShown(TrafficModel::All);
    m_model->setHex(false);
    QCOMPARE(rows(),
             (QStringList { "RX    ok LD0\\n",
                            "Port  Com1 closed: the device /dev/ttyUSB0 was disconnected",
                            "TX    G\\r", "RX    0123456789abcdef-ok\\n", "TX    S\\r" }));
}

QTEST_GUILESS_MAIN(tst_TrafficModel)
#include "tst_trafficmodel.moc"
