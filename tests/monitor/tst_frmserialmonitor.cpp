#include "fakeappendfile.h"
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
#include "textfit.h"
#include "trafficlog.h"
#include "trafficrecorder.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
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
    void noCaptionClipped();
    void moveShowsSixTxLines();
    void answerShownAsTextOrHex();
    void pauseFreezesAndClearEmpties();
    void pausedViewKeepsWhatTheRingDrops();
    void saveWritesTheShownLines_data();
    void saveWritesTheShownLines();
    void unplugShowsTheCloseAndItsReason();
    void findsWithTheKeys();
    void copiesTheSelectedRows();
    void showsTheKindsChosen();
    void logRunsUntilStopped();

private:
    // The lines shown, without their times.
    QStringList shown() const;
    int currentRow() const { return monitorChild<QListView>("lstTraffic")->currentIndex().row(); }
    // Up pressed in the main window: rows 1 to 6 are its six commands.
    void moveUp();
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
    FakeAppendFile m_logFile;
    std::unique_ptr<TrafficLog> m_log;
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
    m_recording = std::make_unique<RecordingSerialPort>(*m_port, *m_recorder);
    m_boxes.boxes.clear();
    m_main = std::make_unique<frmMotorControl>(*m_recording, m_boxes);
    QVERIFY(m_recording->PortOpen());
    m_log = std::make_unique<TrafficLog>(*m_recorder, m_logFile);
    m_monitor
        = std::make_unique<frmSerialMonitor>(*m_recorder, *m_log, m_saveDialog, m_files, m_boxes);
    m_monitor->show();
    QApplication::setActiveWindow(m_monitor.get());
    QVERIFY(QTest::qWaitForWindowActive(m_monitor.get()));
}

void tst_frmSerialMonitor::cleanup()
{
    m_monitor.reset();
    m_main.reset();
    m_log.reset();
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
    QCOMPARE(
        shown().value(1),
        QStringLiteral("RX    0000  00 6f 6b 0d                                       |.ok.|"));
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
                         << "RX    0000  6f 6b 0d {42}\\|ok\\.\\|";
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

    // A press the closed port refused is in the record, all of it.
    QTest::mouseClick(m_main->findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
    QCOMPARE(m_boxes.boxes.size(), 1);
    const QString why = QStringLiteral(": the port is closed, because the device %1 was "
                                       "disconnected")
                            .arg(m_device->slavePath());
    QStringList notSent;
    for (const char *command : { "LD0", "A5", "V5", "D10000", "MN", "G" })
        notSent << QStringLiteral("Port  Com1 did not send %1\\r").arg(command) + why;
    QTRY_COMPARE(shown().mid(2), notSent);
}

void tst_frmSerialMonitor::moveUp()
{
    QTest::mouseClick(m_main->findChild<QPushButton *>(QStringLiteral("btnUp")), Qt::LeftButton);
    QCOMPARE(m_device->readAtLeast(23), QByteArray("LD0\rA5\rV5\rD10000\rMN\rG\r"));
}

void tst_frmSerialMonitor::findsWithTheKeys()
{
    moveUp();
    QVERIFY(m_device->write("V5 ok\r"));
    QTRY_COMPARE(shown().value(7), QStringLiteral("RX    V5 ok\\r"));

    QTest::keyClick(m_monitor.get(), Qt::Key_F, Qt::ControlModifier);
    auto *find = monitorChild<QLineEdit>("txtFind");
    QVERIFY(find->isVisible());
    QVERIFY(find->hasFocus());
    // Found as it is typed, in any case: TX V5 and RX V5 ok.
    QTest::keyClicks(find, QStringLiteral("v5"));
    QCOMPARE(currentRow(), 3);
    QTest::keyClick(find, Qt::Key_F3);
    QCOMPARE(currentRow(), 7);
    QTest::keyClick(find, Qt::Key_F3);
    QCOMPARE(currentRow(), 3);
    QTest::keyClick(find, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(currentRow(), 7);
    QTest::keyClick(find, Qt::Key_Return);
    QCOMPARE(currentRow(), 3);

    QTest::keyClicks(find, QStringLiteral("x"));
    QCOMPARE(monitorChild<QLabel>("lblFindState")->text(), QStringLiteral("Not found"));
    QCOMPARE(currentRow(), 3);
    // Esc closes the find bar first, and the window only after it.
    QTest::keyClick(find, Qt::Key_Escape);
    QVERIFY(!find->isVisible());
    QVERIFY(m_monitor->isVisible());
}

void tst_frmSerialMonitor::copiesTheSelectedRows()
{
    moveUp();
    auto *list = monitorChild<QListView>("lstTraffic");
    QTRY_COMPARE(shown().size(), 7);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(copied.size(), 8);
    QCOMPARE(copied.takeLast(), QString());
    QStringList withoutTimes;
    for (const QString &line : std::as_const(copied))
        withoutTimes << line.mid(QStringLiteral("hh:mm:ss.zzz  ").size());
    QCOMPARE(withoutTimes, shown());

    // Rows 1 to 3, chosen from the keyboard, in the hex dump.
    QTest::mouseClick(monitorChild<QCheckBox>("chkHex"), Qt::LeftButton);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    copied = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(copied.size(), 4);
    QCOMPARE(copied[0].mid(14),
             QStringLiteral("TX    0000  4c 44 30 0d") + QString(39, ' ')
                 + QStringLiteral("|LD0.|"));
    QCOMPARE(copied[2].mid(14),
             QStringLiteral("TX    0000  56 35 0d") + QString(42, ' ') + QStringLiteral("|V5.|"));
}

void tst_frmSerialMonitor::showsTheKindsChosen()
{
    moveUp();
    QVERIFY(m_device->write("ok\r"));
    QTRY_COMPARE(shown().size(), 8);
    const QString opened
        = QStringLiteral("Port  Com1 opened: %1, 9600,n,8,1").arg(m_device->slavePath());
    const QString answer = QStringLiteral("RX    ok\\r");

    auto *tx = monitorChild<QCheckBox>("chkShowTx");
    tx->setFocus();
    QTest::keyClick(tx, Qt::Key_Space);
    QCOMPARE(shown(), (QStringList { opened, answer }));
    // A mnemonic shows the box pressed before it clicks.
    QTest::keyClick(m_monitor.get(), Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(shown(), QStringList { answer });
    // Paused, the kinds still change, over what the view held when it paused.
    QTest::mouseClick(monitorChild<QCheckBox>("chkPause"), Qt::LeftButton);
    QVERIFY(m_device->write("later\r"));
    QTRY_COMPARE(m_recorder->endSerial(), quint64(9));
    QTest::keyClick(tx, Qt::Key_Space);
    QCOMPARE(shown().size(), 7);
    QCOMPARE(shown().constFirst(), QStringLiteral("TX    LD0\\r"));
    QCOMPARE(shown().constLast(), answer);
}

void tst_frmSerialMonitor::logRunsUntilStopped()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("line.log"));
    m_saveDialog.saveNames = { path };
    const qsizetype asked = m_saveDialog.captions.size();
    QTest::keyClick(m_monitor.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(m_log->isRunning());
    auto *label = monitorChild<QLabel>("lblLog");
    QVERIFY(label->isVisible());
    QCOMPARE(label->toolTip(), QStringLiteral("Logging to ") + path);
    QCOMPARE(monitorChild<QPushButton>("btnLog")->text(), QStringLiteral("Stop &Log"));

    // Only what comes from now on, with the date on each row.
    QVERIFY(m_device->write("ok\r"));
    QTRY_VERIFY(!m_logFile.contents(path).isEmpty());
    const QRegularExpression row(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}  RX    ok\\\\r\\n$"));
    QVERIFY2(row.match(QString::fromUtf8(m_logFile.contents(path))).hasMatch(),
             m_logFile.contents(path).constData());

    // The same button stops it.
    QTest::keyClick(m_monitor.get(), Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(!m_log->isRunning());
    QVERIFY(!label->isVisible());
    QTRY_VERIFY(!m_logFile.isOpen());
    const QByteArray logged = m_logFile.contents(path);
    QVERIFY(m_device->write("after\r"));
    QTRY_COMPARE(shown().constLast(), QStringLiteral("RX    after\\r"));
    QCOMPARE(m_logFile.contents(path), logged);
    // Stopping asks for no file.
    QCOMPARE(m_saveDialog.captions.size(), asked + 1);
}

// Every caption fits, in whatever language the run has: the window as it opens, and the log
// button's longer caption while a log is written.
void tst_frmSerialMonitor::noCaptionClipped()
{
    QStringList clipped = clippedTexts(m_monitor.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));

    QTemporaryDir dir;
    m_saveDialog.saveNames = { dir.filePath(QStringLiteral("line.log")) };
    QTest::mouseClick(monitorChild<QPushButton>("btnLog"), Qt::LeftButton);
    QTRY_VERIFY(m_log->isRunning());
    clipped = clippedTexts(m_monitor.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(tst_frmSerialMonitor)
#include "tst_frmserialmonitor.moc"
