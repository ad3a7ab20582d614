#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "frmmotorcontrol.h"
#include "frmserialmonitor.h"
#include "portmessages.h"
#include "pseudoterminal.h"
#include "qtdatafiles.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "temporaryportmap.h"
#include "trafficrecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The monitor as the program wires it: the main window drives the real serial layer through the
// recorder, a pseudo-terminal plays the indexer.
class tst_frmSerialMonitor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void moveShowsSixTxLines();
    void answerShownAsTextOrHex();
    void pauseFreezesAndClearEmpties();
    void pausedViewKeepsWhatTheRingDrops();
    void saveWritesTheShownLines_data();
    void saveWritesTheShownLines();
    void unplugShowsTheCloseAndItsReason();

private:
    // The lines shown, without their times.
    QStringList shown() const;
    template<typename T> T *monitorChild(const char *name) const
    {
        return m_monitor->findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<TemporaryPortMap> m_ports;
    std::unique_ptr<PseudoTerminal> m_device;
    std::unique_ptr<QtSerialPort> m_port;
    std::unique_ptr<TrafficRecorder> m_recorder;
    std::unique_ptr<RecordingSerialPort> m_recording;
    FakeMessageBoxes m_boxes;
    FakeFileDialogs m_saveDialog;
    QtDataFiles m_files;
    std::unique_ptr<frmMotorControl> m_main;
    std::unique_ptr<frmSerialMonitor> m_monitor;
};

void tst_frmSerialMonitor::init()
{
    m_ports = std::make_unique<TemporaryPortMap>();
    m_device = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_device->isValid(), qPrintable(m_device->errorString()));
    QVERIFY(m_ports->link(1, m_device->slavePath()));
    m_port = std::make_unique<QtSerialPort>();
    m_recorder = std::make_unique<TrafficRecorder>();
    m_recording
        = std::make_unique<RecordingSerialPort>(*m_port, *m_recorder, &PortMessages::closedReason);
    m_boxes.boxes.clear();
    m_main = std::make_unique<frmMotorControl>(*m_recording, m_boxes);
    QVERIFY(m_recording->PortOpen());
    m_monitor = std::make_unique<frmSerialMonitor>(*m_recorder, m_saveDialog, m_files, m_boxes);
    m_monitor->show();
    QApplication::setActiveWindow(m_monitor.get());
    QVERIFY(QTest::qWaitForWindowActive(m_monitor.get()));
}

void tst_frmSerialMonitor::cleanup()
{
    m_monitor.reset();
    m_main.reset();
    m_recording.reset();
    m_recorder.reset();
    m_port.reset();
    m_device.reset();
    m_ports.reset();
}

QStringList tst_frmSerialMonitor::shown() const
{
    const QAbstractItemModel *model = monitorChild<QListView>("lstTraffic")->model();
    QStringList lines;
    for (int row = 0; row < model->rowCount(); ++row)
        lines << model->index(row, 0).data().toString().mid(
            QStringLiteral("hh:mm:ss.zzz  ").size());
    return lines;
}

void tst_frmSerialMonitor::moveShowsSixTxLines()
{
    QTest::mouseClick(m_main->findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);

    // The open at start-up was recorded before the window existed.
    const QStringList expected {
        QStringLiteral("Port  Com1 opened: %1, 9600,n,8,1").arg(m_device->slavePath()),
        QStringLiteral("TX    LD0\\r"),
        QStringLiteral("TX    A5\\r"),
        QStringLiteral("TX    V5\\r"),
        QStringLiteral("TX    D10000\\r"),
        QStringLiteral("TX    MN\\r"),
        QStringLiteral("TX    G\\r"),
    };
    QTRY_COMPARE(shown(), expected);
    QCOMPARE(m_device->readAtLeast(23), QByteArray("LD0\rA5\rV5\rD10000\rMN\rG\r"));
}

void tst_frmSerialMonitor::answerShownAsTextOrHex()
{
    QVERIFY(m_device->write(QByteArray("\x00ok\r", 4)));
    QTRY_COMPARE(shown().value(1), QStringLiteral("RX    \\x00ok\\r"));

    auto *hex = monitorChild<QCheckBox>("chkHex");
    hex->setFocus();
    QTest::keyClick(hex, Qt::Key_Space);
    QCOMPARE(shown().value(1), QStringLiteral("RX    00 6f 6b 0d"));
    QTest::keyClick(hex, Qt::Key_Space);
    QCOMPARE(shown().value(1), QStringLiteral("RX    \\x00ok\\r"));
}

void tst_frmSerialMonitor::pauseFreezesAndClearEmpties()
{
    auto *pause = monitorChild<QCheckBox>("chkPause");
    QTest::mouseClick(pause, Qt::LeftButton);
    const quint64 before = m_recorder->endSerial();
    QVERIFY(m_device->write("a\r"));
    QTRY_COMPARE(m_recorder->endSerial(), before + 1);
    // Many refresh intervals pass without the view taking the line.
    QVERIFY(
        !QTest::qWaitFor([&] { return shown().size() > 1; }, 10 * frmSerialMonitor::kRefreshMs));

    pause->setFocus();
    QTest::keyClick(pause, Qt::Key_Space);
    QTRY_COMPARE(shown().value(1), QStringLiteral("RX    a\\r"));

    QTest::mouseClick(monitorChild<QPushButton>("btnClear"), Qt::LeftButton);
    QCOMPARE(shown(), QStringList());
    QCOMPARE(m_recorder->entriesFrom(0).size(), 0);
}

void tst_frmSerialMonitor::pausedViewKeepsWhatTheRingDrops()
{
    QTest::mouseClick(monitorChild<QCheckBox>("chkPause"), Qt::LeftButton);
    QByteArray lines;
    for (int n = 1; n <= 10'005; ++n)
        lines += QByteArray::number(n).rightJustified(5, '0') + '\r';
    QVERIFY(m_device->write(lines));
    QTRY_COMPARE(m_recorder->endSerial(), quint64(1 + 10'005));

    // The recorder has dropped the open and the first five lines; the paused view still has the
    // open.
    const QString opened
        = QStringLiteral("Port  Com1 opened: %1, 9600,n,8,1").arg(m_device->slavePath());
    QCOMPARE(shown(), QStringList { opened });

    QTest::mouseClick(monitorChild<QCheckBox>("chkPause"), Qt::LeftButton);
    const QStringList now = shown();
    QCOMPARE(now.size(), 10'000);
    QCOMPARE(now.first(), QStringLiteral("RX    00006\\r"));
    QCOMPARE(now.last(), QStringLiteral("RX    10005\\r"));
}

void tst_frmSerialMonitor::saveWritesTheShownLines_data()
{
    QTest::addColumn<bool>("asHex");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("line");

    QTest::newRow("text") << false << ""
                          << "RX    ok\\\\r";
    QTest::newRow("hex") << true << ""
                         << "RX    6f 6b 0d";
    // A file where the folder should be: no folder can be made there.
    QTest::newRow("unwritable folder") << false << "blocker/"
                                       << "";
}

void tst_frmSerialMonitor::saveWritesTheShownLines()
{
    QFETCH(bool, asHex);
    QFETCH(QString, folder);
    QFETCH(QString, line);

    QTest::mouseClick(monitorChild<QPushButton>("btnClear"), Qt::LeftButton);
    QVERIFY(m_device->write("ok\r"));
    QTRY_COMPARE(shown().size(), 1);
    if (asHex)
        QTest::mouseClick(monitorChild<QCheckBox>("chkHex"), Qt::LeftButton);

    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString target = dir.filePath(folder + QStringLiteral("traffic.txt"));
    m_saveDialog.saveNames = { target };
    const qsizetype asked = m_saveDialog.captions.size();
    QTest::keyClick(m_monitor.get(), Qt::Key_S, Qt::ControlModifier);
    // The shortcut shows the button pressed before it clicks.
    QTRY_COMPARE(m_saveDialog.captions.size(), asked + 1);

    QFile file(target);
    if (line.isEmpty()) {
        QVERIFY(!file.exists());
        QCOMPARE(m_boxes.boxes.size(), 1);
        QVERIFY(m_boxes.boxes[0].text.contains(target));
        return;
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString saved = QString::fromUtf8(file.readAll());
    const QRegularExpression expected(
        QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d  %1\\n$").arg(line));
    QVERIFY2(expected.match(saved).hasMatch(), qPrintable(saved));
    QVERIFY(m_boxes.boxes.isEmpty());
}

void tst_frmSerialMonitor::unplugShowsTheCloseAndItsReason()
{
    m_device->closeMaster();
    const QString closed
        = QStringLiteral("Com1 closed: the device %1 was disconnected").arg(m_device->slavePath());
    QTRY_COMPARE(shown().value(1), QStringLiteral("Port  ") + closed);
    // The same words as the main window's status line.
    QCOMPARE(m_main->findChild<QLabel *>(QStringLiteral("lblPortState"))->toolTip(), closed);
}

QTEST_MAIN(tst_frmSerialMonitor)
#include "tst_frmserialmonitor.moc"
