#include "portmap.h"
#include "portmessages.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "temporaryportmap.h"
#include "trafficrecorder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <memory>

using Kind = TrafficEntry::Kind;

// What the recorder makes of the traffic of a real port: a pseudo-terminal plays the indexer, and
// the port is drained on every notification, as the main window does.
class tst_RecordingSerialPort : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void receivedBytesBecomeLines_data();
    void receivedBytesBecomeLines();
    void ringKeepsTheNewest_data();
    void ringKeepsTheNewest();
    void portEventsAreRecorded();

private:
    QList<QByteArray> received() const;

    std::unique_ptr<TemporaryPortMap> m_ports;
    std::unique_ptr<PseudoTerminal> m_device;
    std::unique_ptr<QtSerialPort> m_port;
    std::unique_ptr<TrafficRecorder> m_recorder;
    std::unique_ptr<RecordingSerialPort> m_recording;
    qsizetype m_read = 0;
    QElapsedTimer m_sinceRead;
};

void tst_RecordingSerialPort::init()
{
    m_ports = std::make_unique<TemporaryPortMap>();
    m_device = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_device->isValid(), qPrintable(m_device->errorString()));
    QVERIFY(m_ports->link(1, m_device->slavePath()));
    m_port = std::make_unique<QtSerialPort>();
    m_recorder = std::make_unique<TrafficRecorder>();
    m_recording = std::make_unique<RecordingSerialPort>(*m_port, *m_recorder);
    m_read = 0;
    connect(m_recording.get(), &SerialPort::OnComm, this, [this] {
        m_read += m_recording->Input().size();
        m_sinceRead.start();
    });
    m_recording->setRThreshold(1);
    const CommError error = m_recording->setPortOpen(true);
    QVERIFY2(!error, qPrintable(PortMessages::describe(error)));
}

void tst_RecordingSerialPort::cleanup()
{
    m_recording.reset();
    m_recorder.reset();
    m_port.reset();
    m_device.reset();
    m_ports.reset();
}

QList<QByteArray> tst_RecordingSerialPort::received() const
{
    QList<QByteArray> lines;
    for (const TrafficEntry &entry : m_recorder->entriesFrom(0)) {
        if (entry.kind == Kind::Received)
            lines << entry.bytes;
    }
    return lines;
}

void tst_RecordingSerialPort::receivedBytesBecomeLines_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("answer split over two reads")
        << QList<QByteArray> { "#o", "k\r" } << QList<QByteArray> { "#ok\r" };
    QTest::newRow("CR LF split over two reads")
        << QList<QByteArray> { "ok\r", "\n*\n" } << QList<QByteArray> { "ok\r\n", "*\n" };
    QTest::newRow("two lines in one read")
        << QList<QByteArray> { "a\rb\nc\r\n" } << QList<QByteArray> { "a\r", "b\n", "c\r\n" };
    QTest::newRow("no line end, then quiet")
        << QList<QByteArray> { "abc" } << QList<QByteArray> { "abc" };
    QTest::newRow("binary bytes kept as they are")
        << QList<QByteArray> { QByteArray("\x00\xff\x1b\r", 4) }
        << QList<QByteArray> { QByteArray("\x00\xff\x1b\r", 4) };
    QTest::newRow("endless line cut at 1024 bytes")
        << QList<QByteArray> { QByteArray(1500, 'x') + '\r' }
        << QList<QByteArray> { QByteArray(1024, 'x'), QByteArray(476, 'x') + '\r' };
}

void tst_RecordingSerialPort::receivedBytesBecomeLines()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QList<QByteArray>, lines);

    qsizetype sent = 0;
    for (const QByteArray &bytes : reads) {
        // The pause between two reads is what it takes to write the next part: far below 100 ms,
        // unless the machine stalls, and then the case proves nothing.
        if (sent > 0 && m_sinceRead.elapsed() >= TrafficRecorder::kIdleMs / 2)
            QSKIP("The machine paused too long between two reads");
        QVERIFY(m_device->write(bytes));
        sent += bytes.size();
        QTRY_COMPARE(m_read, sent);
    }
    QTRY_COMPARE(received().size(), lines.size());
    QCOMPARE(received(), lines);
    QCOMPARE(m_recorder->pendingBytes(), 0);
    // Once the line is finished, nothing wakes the program until more bytes come.
    QTRY_VERIFY(!m_recorder->findChild<QTimer *>()->isActive());
}

void tst_RecordingSerialPort::ringKeepsTheNewest_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("filler");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("firstKept");

    // 10,005 short lines: the 10,000 newest stay.
    QTest::newRow("10,000 lines") << 10'005 << 0 << 10'000 << 6;
    // 1,100 lines of 1,000 bytes: 1,048 of them fit in 1,048,576 bytes, the 1,049th would not.
    QTest::newRow("1 MB") << 1'100 << 994 << 1'048 << 53;
}

void tst_RecordingSerialPort::ringKeepsTheNewest()
{
    QFETCH(int, lines);
    QFETCH(int, filler);
    QFETCH(int, kept);
    QFETCH(int, firstKept);

    const auto line = [filler](int n) {
        return QByteArray::number(n).rightJustified(5, '0') + QByteArray(filler, '.') + '\r';
    };
    QByteArray all;
    for (int n = 1; n <= lines; ++n)
        all += line(n);
    QVERIFY(m_device->write(all));
    QTRY_COMPARE(m_read, all.size());
    // The last CR waits for a possible LF.
    QTRY_COMPARE(m_recorder->pendingBytes(), 0);

    const QList<TrafficEntry> entries = m_recorder->entriesFrom(0);
    QCOMPARE(entries.size(), kept);
    // Every line whole, the one across the end of the ring's memory too.
    for (int i = 0; i < kept; ++i)
        QCOMPARE(entries[i].bytes, line(firstKept + i));
    QCOMPARE(entries.last().bytes, line(lines));
    QCOMPARE(m_recorder->endSerial() - m_recorder->firstSerial(), quint64(kept));
}

void tst_RecordingSerialPort::portEventsAreRecorded()
{
    const QString first = m_device->slavePath();
    QVERIFY(!m_recording->setSettings(QStringLiteral("19200,N,8,1")));
    QVERIFY(!m_recording->Output("S\r"));
    m_device->closeMaster();
    QTRY_VERIFY(!m_recording->PortOpen());
    // Nothing goes out of a closed port: it is recorded as not sent.
    QVERIFY(m_recording->Output("G\r"));
    // The system may give the unplugged device's name to a new pseudo-terminal at once: the port
    // now points where nothing is.
    const QString nothing = m_ports->path() + QStringLiteral("/unplugged");
    QVERIFY(QFile::remove(PortMap::linkPath(1)));
    QVERIFY(m_ports->link(1, nothing));
    QVERIFY(m_recording->setPortOpen(true));
    // Tried again for the same missing device: recorded once.
    QVERIFY(m_recording->setPortOpen(true));
    // The device comes back on a new terminal and the watch for it opens the port through the
    // recorder: a reconnection, not an open.
    PseudoTerminal second;
    QVERIFY(QFile::remove(PortMap::linkPath(1)));
    QVERIFY(m_ports->link(1, second.slavePath()));
    QVERIFY(!m_recording->setPortOpen(true));
    QVERIFY(!m_recording->setPortOpen(false));

    // The recorder keeps facts; the sentences made of them show that each fact is there.
    QStringList seen;
    for (const TrafficEntry &entry : m_recorder->entriesFrom(0)) {
        seen << (entry.kind == Kind::Sent
                     ? QStringLiteral("TX ") + QString::fromLatin1(entry.bytes)
                     : PortMessages::portEvent(entry, QString::fromLatin1(entry.bytes)));
    }
    const QStringList expected {
        QStringLiteral("Com1 opened: %1, 9600,n,8,1").arg(first),
        QStringLiteral("Com1 changed: 19200,n,8,1"),
        QStringLiteral("TX S\r"),
        QStringLiteral("Com1 closed: the device %1 was disconnected").arg(first),
        QStringLiteral("Com1 did not send G\r: the port is closed, because the device %1 was "
                       "disconnected")
            .arg(first),
        QStringLiteral("Com1 could not be opened: there is no device %1").arg(nothing),
        QStringLiteral("Com1 reconnected: %1, 19200,n,8,1").arg(second.slavePath()),
        QStringLiteral("Com1 closed"),
    };
    QCOMPARE(seen, expected);
}

QTEST_GUILESS_MAIN(tst_RecordingSerialPort)
#include "tst_recordingserialport.moc"
