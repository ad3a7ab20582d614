#include "fakedevicelist.h"
#include "fakemessageboxes.h"
#include "frmportmap.h"
#include "portmap.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "temporaryportmap.h"
#include "textfit.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The dialog over a device list the test makes up and a private port map; the port is the real
// one over pseudo-terminals, so a reopen is seen at the far end.
class tst_frmPortMap : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rowIsWritten_data();
    void rowIsWritten();
    void rowsShowTheMap();
    void openPortFollowsItsRow_data();
    void openPortFollowsItsRow();
    void noCaptionClipped();

private:
    void makeDialog();
    QComboBox *device(int port) const
    {
        return m_dialog->findChild<QComboBox *>(QStringLiteral("cboDevice%1").arg(port));
    }
    QString state(int port) const
    {
        return m_dialog->findChild<QLabel *>(QStringLiteral("lblState%1").arg(port))->text();
    }
    // Replaces the drop-down's text by typing, as the operator does.
    static void type(QComboBox *list, const QString &text);
    static void click(QWidget *dialog, const char *button);

    std::unique_ptr<TemporaryPortMap> m_map;
    FakeDeviceList m_devices;
    FakeMessageBoxes m_boxes;
    std::unique_ptr<QtSerialPort> m_port;
    std::unique_ptr<frmPortMap> m_dialog;
};

namespace {

const SerialDevice kFtdi { QStringLiteral(
                               "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K5XYZ-if00-port0"),
                           QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"),
                           QStringLiteral("FTDI"), QStringLiteral("A10K5XYZ") };
const SerialDevice kAcm {
    QStringLiteral("/dev/ttyACM0"), QStringLiteral("/dev/ttyACM0"), {}, {}, {}
};
const QString kFile = QStringLiteral("file");

// What is at port N's place in the map: "" for nothing, "file" for a plain file, or the link's
// target.
QString mapEntry(int port)
{
    const QFileInfo place(PortMap::linkPath(port));
    if (place.isSymLink())
        return QFile::symLinkTarget(place.filePath());
    return place.exists() ? kFile : QString();
}

} // namespace

void tst_frmPortMap::init()
{
    m_map = std::make_unique<TemporaryPortMap>();
    QVERIFY(m_map->isValid());
    m_devices.list = { kFtdi, kAcm };
    m_boxes.boxes.clear();
    m_port = std::make_unique<QtSerialPort>();
}

void tst_frmPortMap::cleanup()
{
    m_dialog.reset();
    m_port.reset();
    m_map.reset();
}

void tst_frmPortMap::makeDialog()
{
    m_dialog = std::make_unique<frmPortMap>(m_devices, *m_port, m_boxes);
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void tst_frmPortMap::type(QComboBox *list, const QString &text)
{
    list->setFocus();
    QTest::keyClick(list->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(list->lineEdit(), text);
}

void tst_frmPortMap::click(QWidget *dialog, const char *button)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void tst_frmPortMap::rowIsWritten_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("warned");

    QTest::newRow("listed device stored by its by-id name")
        << "" << 1 << "" << true << kFtdi.stableName << false;
    QTest::newRow("listed device without one stored by its path")
        << "" << 2 << "" << true << "/dev/ttyACM0" << false;
    QTest::newRow("typed path replaces a link")
        << "/dev/ttyUSB7" << 0 << "/dev/rfcomm0" << true << "/dev/rfcomm0" << false;
    // From a typed path, Down goes to the first entry.
    QTest::newRow("(default) removes the link") << "/dev/ttyUSB7" << 1 << "" << true << "" << false;
    QTest::newRow("Cancel keeps the map") << "" << 1 << "" << false << "" << false;
    QTest::newRow("a file that is not a link is left alone")
        << kFile << 0 << "/dev/rfcomm0" << true << kFile << true;
}

void tst_frmPortMap::rowIsWritten()
{
    QFETCH(QString, before);
    QFETCH(int, downs);
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, after);
    QFETCH(bool, warned);

    // Port 2, with port 1 as a neighbour that must come through untouched.
    QVERIFY(m_map->link(1, QStringLiteral("/dev/ttyS9")));
    if (before == kFile) {
        QFile file(PortMap::linkPath(2));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write("not a link\n"), 11);
    } else if (!before.isEmpty()) {
        QVERIFY(m_map->link(2, before));
    }
    makeDialog();

    QComboBox *list = device(2);
    list->setFocus();
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    if (!typed.isEmpty())
        type(list, typed);
    // Enter in the drop-down presses OK, the dialog's default button; Escape is Cancel.
    QTest::keyClick(QApplication::focusWidget(), ok ? Qt::Key_Return : Qt::Key_Escape);

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_dialog->result(), ok ? QDialog::Accepted : QDialog::Rejected);
    QCOMPARE(mapEntry(2), after);
    QCOMPARE(mapEntry(1), QStringLiteral("/dev/ttyS9"));
    QCOMPARE(m_boxes.boxes.size(), warned ? 1 : 0);
    if (warned) {
        QVERIFY2(m_boxes.boxes[0].text.contains(QStringLiteral("Com2")),
                 qPrintable(m_boxes.boxes[0].text));
        QFile file(PortMap::linkPath(2));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("not a link\n"));
    }
}

void tst_frmPortMap::rowsShowTheMap()
{
    PseudoTerminal terminal;
    QVERIFY2(terminal.isValid(), qPrintable(terminal.errorString()));
    QVERIFY(m_map->link(1, terminal.slavePath()));
    QVERIFY(!m_port->setPortOpen(true));
    // A link made by hand with the device's system path still reads as the listed device.
    QVERIFY(m_map->link(2, kFtdi.systemPath));
    QVERIFY(m_map->link(3, m_map->path()));
    makeDialog();

    QCOMPARE(device(1)->currentText(), terminal.slavePath());
    QCOMPARE(state(1), QStringLiteral("in use by Tiltbench"));
    QCOMPARE(device(2)->currentText(), QStringLiteral("ttyUSB0: FT232R USB UART, FTDI, A10K5XYZ"));
    QCOMPARE(device(3)->currentText(), m_map->path());
    QCOMPARE(state(3), QStringLiteral("present"));
    // "(default)" says which device it is.
    QCOMPARE(device(4)->currentText(), QStringLiteral("(default: /dev/ttyS3)"));
    const QStringList entries { "(default: /dev/ttyS3)", "ttyUSB0: FT232R USB UART, FTDI, A10K5XYZ",
                                "ttyACM0" };
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(device(4)->itemText(i), entries[i]);

    // The state follows what is typed.
    type(device(3), QStringLiteral("/nonexistent/tty"));
    QCOMPARE(state(3), QStringLiteral("missing"));
    type(device(1), QStringLiteral("/nonexistent/tty"));
    QCOMPARE(state(1), QStringLiteral("missing"));

    // Refresh lists a device plugged in meanwhile and keeps every row's choice.
    m_devices.list.append({ QStringLiteral("/dev/serial/by-id/usb-Prolific-if00-port0"),
                            QStringLiteral("/dev/ttyUSB1"),
                            QStringLiteral("USB-Serial Controller"),
                            QStringLiteral("Prolific"),
                            {} });
    click(m_dialog.get(), "cmdRefresh");
    QCOMPARE(device(4)->count(), 4);
    QCOMPARE(device(4)->itemText(3), QStringLiteral("ttyUSB1: USB-Serial Controller, Prolific"));
    QCOMPARE(device(3)->currentText(), QStringLiteral("/nonexistent/tty"));
    QCOMPARE(device(2)->currentText(), QStringLiteral("ttyUSB0: FT232R USB UART, FTDI, A10K5XYZ"));
    QCOMPARE(device(4)->currentText(), QStringLiteral("(default: /dev/ttyS3)"));
    // A default device the system lists reads as the listed ones do.
    m_devices.list.append({ QStringLiteral("/dev/ttyS3"),
                            QStringLiteral("/dev/ttyS3"),
                            QStringLiteral("16550A UART"),
                            {},
                            {} });
    click(m_dialog.get(), "cmdRefresh");
    QCOMPARE(device(4)->currentText(), QStringLiteral("(default: ttyS3: 16550A UART)"));
}

void tst_frmPortMap::openPortFollowsItsRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("newDeviceExists");
    QTest::newRow("its row on a new device: reopened there") << 1 << true;
    QTest::newRow("its row on a missing device: closed") << 1 << false;
    QTest::newRow("another row changed: left open") << 2 << true;
}

void tst_frmPortMap::openPortFollowsItsRow()
{
    QFETCH(int, row);
    QFETCH(bool, newDeviceExists);

    PseudoTerminal first;
    PseudoTerminal second;
    QVERIFY2(first.isValid() && second.isValid(), qPrintable(first.errorString()));
    QVERIFY(m_map->link(1, first.slavePath()));
    QVERIFY(!m_port->setSettings(QStringLiteral("19200,n,8,2")));
    QVERIFY(!m_port->setHandshaking(SerialPort::XonXoff));
    QVERIFY(!m_port->setPortOpen(true));
    makeDialog();

    const QString newDevice
        = newDeviceExists ? second.slavePath() : QStringLiteral("/nonexistent/tty");
    type(device(row), newDevice);
    click(m_dialog.get(), "cmdOK");
    QCOMPARE(mapEntry(row), newDevice);
    QVERIFY(m_boxes.boxes.isEmpty());

    const bool moved = row == 1;
    QCOMPARE(m_dialog->portReopened(), moved && newDeviceExists);
    QCOMPARE(m_port->PortOpen(), newDeviceExists);
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_port->Settings(), QStringLiteral("19200,n,8,2"));
    QCOMPARE(m_port->Handshaking(), int(SerialPort::XonXoff));
    if (!newDeviceExists) {
        QCOMPARE(m_port->closedReason().device, newDevice);
        return;
    }
    QVERIFY(!m_port->Output("G\r"));
    PseudoTerminal &reached = moved ? second : first;
    PseudoTerminal &other = moved ? first : second;
    QCOMPARE(reached.readAtLeast(2), QByteArray("G\r"));
    QCOMPARE(other.readAvailable(), QByteArray());
}

// Every caption fits, in whatever language the run has.
void tst_frmPortMap::noCaptionClipped()
{
    makeDialog();
    const QStringList clipped = clippedTexts(m_dialog.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

QTEST_MAIN(tst_frmPortMap)
#include "tst_frmportmap.moc"
