#include "fakemessageboxes.h"
#include "fakesettingsstore.h"
#include "frmproperties.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "temporaryportmap.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

// The dialog over the real serial port, with Com1 linked to a pseudo-terminal. A pseudo-terminal
// takes no parity, so it stands for a device that refuses a line setting.
class tst_frmPropertiesPty : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusedParityKeepsThePortOpenAndUsable();

private:
    std::unique_ptr<TemporaryPortMap> m_ports;
    std::unique_ptr<PseudoTerminal> m_pty;
    std::unique_ptr<QtSerialPort> m_port;
};

void tst_frmPropertiesPty::init()
{
    // The port layer finds the device for Com1 through a link in the per-user configuration.
    m_ports = std::make_unique<TemporaryPortMap>();
    QVERIFY(m_ports->isValid());
    m_pty = std::make_unique<PseudoTerminal>();
    QVERIFY2(m_pty->isValid(), qPrintable(m_pty->errorString()));
    QVERIFY(m_ports->link(1, m_pty->slavePath()));

    // The main window's start-up configuration.
    m_port = std::make_unique<QtSerialPort>();
    QVERIFY(!m_port->setCommPort(1));
    QVERIFY(!m_port->setSettings("9600,N,8,1"));
    const CommError opened = m_port->setPortOpen(true);
    QVERIFY2(!opened, qPrintable(QString::number(opened.number)));
}

void tst_frmPropertiesPty::cleanup()
{
    m_port.reset();
    m_pty.reset();
    m_ports.reset();
}

void tst_frmPropertiesPty::refusedParityKeepsThePortOpenAndUsable()
{
    FakeMessageBoxes boxes;
    FakeSettingsStore store;
    frmProperties dialog(*m_port, boxes, store);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto *parity = dialog.findChild<QComboBox *>("cboParity");
    QCOMPARE(parity->currentText(), QString("None"));
    parity->setCurrentIndex(parity->findText("Even"));
    auto *ok = dialog.findChild<QPushButton *>("cmdOK");
    ok->click();

    // The refusal shows the port's own description, in a warning titled Tiltbench; the dialog
    // stays.
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].icon, MessageBoxes::Icon::Warning);
    QCOMPARE(boxes.boxes[0].title, QString("Tiltbench"));
    // QSerialPort refuses even parity on a pseudo-terminal, in its own words.
    const QString text = boxes.boxes[0].text;
    QVERIFY2(text.startsWith(QString("Com1 (%1) cannot use even parity: the device refused it (")
                                 .arg(m_pty->slavePath())),
             qPrintable(text));
    QVERIFY2(text.endsWith("). Choose another setting in Options > Port Properties..."),
             qPrintable(text));
    QVERIFY(dialog.isVisible());
    QCOMPARE(store.writes, QStringList());

    // The connection is as it was and still carries commands.
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_port->Settings(), QString("9600,n,8,1"));
    QVERIFY(!m_port->Output("G\r"));
    QCOMPARE(m_pty->readAtLeast(2), QByteArray("G\r"));

    // Back to no parity, OK goes through and records the port's read-back.
    parity->setCurrentIndex(parity->findText("None"));
    ok->click();
    QCOMPARE(boxes.boxes.size(), 1);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(
        store.writes,
        QStringList({ "Tiltbench/Properties/Settings=9600,n,8,1", "Tiltbench/Properties/CommPort=1",
                      "Tiltbench/Properties/Handshaking=0", "Tiltbench/Properties/Echo=False" }));
    QVERIFY(m_port->PortOpen());
}

QTEST_MAIN(tst_frmPropertiesPty)
#include "tst_frmpropertiespty.moc"
