#include "fakemessageboxes.h"
#include "frmmotorcontrol.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "temporaryportmap.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// The main window over the real serial layer: a pseudo-terminal stands in for the indexer and
// receives exactly the bytes the buttons send.
class tst_MotorControlSerial : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void buttonsSendTheirBytes_data();
    void buttonsSendTheirBytes();
    void typedKeysReachWire_data();
    void typedKeysReachWire();
    void answersAreDrained();
    void startUpNamesADanglingLink();
    void cleanupTestCase();

private:
    TemporaryPortMap m_ports;
    PseudoTerminal m_device;
    QtSerialPort *m_port = nullptr;
    FakeMessageBoxes m_boxes;
    frmMotorControl *m_window = nullptr;
};

void tst_MotorControlSerial::initTestCase()
{
    QVERIFY2(m_device.isValid(), qPrintable(m_device.errorString()));
    QVERIFY(m_ports.isValid());
    QVERIFY(m_ports.link(1, m_device.slavePath()));

    m_port = new QtSerialPort(this);
    m_window = new frmMotorControl(*m_port, m_boxes);
    QVERIFY2(m_boxes.boxes.isEmpty(), qPrintable(m_boxes.boxes.value(0).text));
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("lblPortState"))->text(),
             QStringLiteral("Com1 open: %1, 9600,n,8,1").arg(m_device.slavePath()));
}

void tst_MotorControlSerial::buttonsSendTheirBytes_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("up") << "btnUp"
                        << "" << QByteArray("LD0\rA5\rV5\rD10000\rMN\rG\r");
    QTest::newRow("down") << "btnDown"
                          << "" << QByteArray("LD0\rA5\rV5\rD-10000\rMN\rG\r");
    QTest::newRow("stop") << "btnStop"
                          << "" << QByteArray("S\r");
    QTest::newRow("send") << "btnSend"
                          << " v10 " << QByteArray(" v10 \r");
    QTest::newRow("send empty") << "btnSend"
                                << "" << QByteArray("\r");
}

void tst_MotorControlSerial::buttonsSendTheirBytes()
{
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(QByteArray, bytes);

    m_window->findChild<QComboBox *>(QStringLiteral("cmbCommand"))->setEditText(typed);
    m_window->findChild<QPushButton *>(button)->click();

    QCOMPARE(m_device.readAtLeast(bytes.size()), bytes);
    // Nothing more follows.
    QCOMPARE(m_device.readAtLeast(1, 50), QByteArray());
    QVERIFY(m_boxes.boxes.isEmpty());
}

void tst_MotorControlSerial::typedKeysReachWire_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("fieldAfter");

    const struct
    {
        const char *tag;
        QString typed;
        QByteArray bytes;
        QString fieldAfter;
    } rows[] = {
        // "v10" in the list must not complete "v1", nor the lower-case list entries change case.
        { "v1", "v1", "v1\r", "" },
        { "V1", "V1", "V1\r", "" },
        { "G", "G", "G\r", "" },
        { "S", "S", "S\r", "" },
        { "g", "g", "g\r", "" },
        { "v10", "v10", "v10\r", "" },
        { "blanks around a5", " a5 ", " a5 \r", "" },
        { "empty", "", "\r", "" },
        // A typographic minus cannot go on the line: nothing is sent and the text stays.
        { "typographic minus", QStringLiteral("D\u22121000"), "", QStringLiteral("D\u22121000") },
    };
    for (const auto &row : rows) {
        QTest::addRow("%s, Enter", row.tag) << row.typed << true << row.bytes << row.fieldAfter;
        QTest::addRow("%s, click on Send", row.tag)
            << row.typed << false << row.bytes << row.fieldAfter;
    }
}

void tst_MotorControlSerial::typedKeysReachWire()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, fieldAfter);

    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *combo = m_window->findChild<QComboBox *>(QStringLiteral("cmbCommand"));
    combo->clearEditText();
    combo->setFocus();
    QTRY_VERIFY(combo->hasFocus());
    for (const QChar c : typed) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(combo, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(combo->currentText(), typed);
    m_boxes.boxes.clear();

    if (byEnter)
        QTest::keyClick(combo, Qt::Key_Return);
    else
        QTest::mouseClick(m_window->findChild<QPushButton *>(QStringLiteral("btnSend")),
                          Qt::LeftButton);

    if (!bytes.isEmpty())
        QCOMPARE(m_device.readAtLeast(bytes.size()), bytes);
    // Nothing more follows.
    QCOMPARE(m_device.readAtLeast(1, 50), QByteArray());
    QCOMPARE(combo->currentText(), fieldAfter);
    QCOMPARE(m_boxes.boxes.size(), bytes.isEmpty() ? 1 : 0);
    QCOMPARE(combo->count(), 3);
    m_boxes.boxes.clear();
    combo->clearEditText();
}

void tst_MotorControlSerial::answersAreDrained()
{
    auto *steps = m_window->findChild<QLabel *>(QStringLiteral("lblStepValue"));
    const QString before = steps->text();
    QSignalSpy arrived(m_port, &SerialPort::OnComm);
    QVERIFY(m_device.write("*\r\n#ok\r"));
    QTRY_VERIFY(arrived.size() > 0);
    // The window's handler ran first and took the answer out of the port.
    QCOMPARE(m_port->Input(), QByteArray());
    QCOMPARE(steps->text(), before);
    QVERIFY(m_boxes.boxes.isEmpty());
}

void tst_MotorControlSerial::startUpNamesADanglingLink()
{
    // The link was made for an adapter that is unplugged now.
    TemporaryPortMap ports;
    QVERIFY(ports.link(1, QStringLiteral("/dev/ttyUSB-unplugged")));
    QtSerialPort port;
    FakeMessageBoxes boxes;
    frmMotorControl window(port, boxes);

    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].text,
             QStringLiteral("Com1 could not be opened: its link %1/Tiltbench/ports/com1 points to "
                            "/dev/ttyUSB-unplugged, which does not exist. Plug in the adapter, or "
                            "choose its device in Options > Port Map...")
                 .arg(ports.path()));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lblPortState"))->toolTip(),
             QStringLiteral("Com1 closed: there is no device /dev/ttyUSB-unplugged"));
}

void tst_MotorControlSerial::cleanupTestCase()
{
    // The window goes before the port it writes to.
    delete m_window;
}

QTEST_MAIN(tst_MotorControlSerial)
#include "tst_motorcontrolserial.moc"
