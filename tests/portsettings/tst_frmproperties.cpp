#include "appinfo.h"
#include "fakemessageboxes.h"
#include "fakeserialport.h"
#include "fakesettingsstore.h"
#include "frmproperties.h"
#include "textfit.h"
#include "twipslayout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <memory>
#include <optional>

namespace {

// The fake port, able to report values the dialog never sets itself (an upper-case parity letter,
// a garbled text, a flow control outside 0 to 3) and to refuse closing.
class ScriptedPort : public FakeSerialPort
{
public:
    QString Settings() const override { return reported.value_or(FakeSerialPort::Settings()); }
    int Handshaking() const override
    {
        return reportedHandshaking.value_or(FakeSerialPort::Handshaking());
    }
    CommError setPortOpen(bool open) override
    {
        if (!open && refuseClose) {
            CommError error { CommError::WriteFailed, {} };
            error.fault.kind = PortFault::Kind::WriteFailed;
            error.fault.port = 1;
            error.fault.device = QStringLiteral("/dev/fake1");
            error.fault.systemCause = QStringLiteral("the device does not answer");
            return error;
        }
        return FakeSerialPort::setPortOpen(open);
    }

    std::optional<QString> reported;
    std::optional<int> reportedHandshaking;
    bool refuseClose = false;
};

const QString kStore = QStringLiteral("Tiltbench/Properties/");

} // namespace

class tst_frmProperties : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void noTextClipped();
    void listsFilledAtEachOpening();
    void opensShowingThePort_data();
    void opensShowingThePort();
    void valuesNotOffered();
    void garbledSettingsAreRefusedByThePort();
    void optionsDriveMembers();
    void accessKeys();
    void tabOrder();

    void okAtOnceRewritesTheSame_data();
    void okAtOnceRewritesTheSame();
    void okWithPortUnchanged();
    void okWithAnotherPortWhileOpen();
    void refusedPortChangeKeepsTheOldPort();
    void refusedPortChangeAndFailedReopen();
    void firstHeldErrorIsShown();
    void refusedLineSetting();
    void refusedFlowControl();
    void closedPortIsOpenedByOk_data();
    void closedPortIsOpenedByOk();
    void closedPortThatWillNotOpen();
    void failedStoreWriteIsSkipped();

    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void enterPressesOk_data();
    void enterPressesOk();
    void escapeDoesNothing();

private:
    void open();
    QComboBox *list(const char *name) const { return m_dialog->findChild<QComboBox *>(name); }
    QRadioButton *option(const QString &name) const
    {
        return m_dialog->findChild<QRadioButton *>(name);
    }
    void choose(const char *listName, const QString &entry);
    void pressOk();
    static QStringList entries(const QComboBox *list);
    QStringList recorded(const QString &settings, int port, int flow, bool echo) const;

    std::unique_ptr<ScriptedPort> m_port;
    FakeMessageBoxes m_boxes;
    FakeSettingsStore m_store;
    std::unique_ptr<frmProperties> m_dialog;
};

void tst_frmProperties::init()
{
    m_boxes = {};
    m_store = {};
    m_port = std::make_unique<ScriptedPort>();
    // The main window's start-up configuration.
    QVERIFY(!m_port->setCommPort(1));
    QVERIFY(!m_port->setSettings("9600,N,8,1"));
    QVERIFY(!m_port->setPortOpen(true));
    m_port->calls.clear();
    m_dialog = std::make_unique<frmProperties>(*m_port, m_boxes, m_store);
}

void tst_frmProperties::cleanup()
{
    m_dialog.reset();
    m_port.reset();
}

void tst_frmProperties::open()
{
    m_dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
}

void tst_frmProperties::choose(const char *listName, const QString &entry)
{
    QComboBox *box = list(listName);
    QVERIFY(box);
    const int index = box->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    box->setCurrentIndex(index);
}

void tst_frmProperties::pressOk()
{
    m_dialog->findChild<QPushButton *>("cmdOK")->click();
}

QStringList tst_frmProperties::entries(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

QStringList tst_frmProperties::recorded(const QString &settings, int port, int flow,
                                        bool echo) const
{
    return { kStore + "Settings=" + settings, kStore + "CommPort=" + QString::number(port),
             kStore + "Handshaking=" + QString::number(flow),
             kStore + "Echo=" + (echo ? "True" : "False") };
}

void tst_frmProperties::window()
{
    open();
    QCOMPARE(m_dialog->windowTitle(), QString("Com Port Properties"));
    QVERIFY(m_dialog->isModal());

    // 6015 x 4260 twips, grown with the application's font as every window is.
    const QSize client(int(std::lround(401 * TwipsLayout::scale())),
                       int(std::lround(284 * TwipsLayout::scale())));
    QCOMPARE(m_dialog->size(), client);
    QCOMPARE(m_dialog->minimumSize(), client);
    QCOMPARE(m_dialog->maximumSize(), client);
    const Qt::WindowFlags flags = m_dialog->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);

    // Its own icon, in both sizes, not the program's.
    const QIcon icon = m_dialog->windowIcon();
    QCOMPARE(icon.availableSizes(), QList<QSize>({ QSize(32, 32), QSize(16, 16) }));
    QVERIFY(icon.pixmap(32).toImage() != AppInfo::windowIcon().pixmap(32).toImage());

    const QRect area = m_dialog->screen()->availableGeometry();
    const QPoint offset = m_dialog->frameGeometry().center() - area.center();
    QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
             qPrintable(QString("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

    auto *tabs = m_dialog->findChild<QTabWidget *>("tabSettings");
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QString("Properties"));
    QCOMPARE(tabs->widget(0)->objectName(), QString("fraSettings"));

    const auto frame = [this](const char *name) { return m_dialog->findChild<QGroupBox *>(name); };
    QCOMPARE(frame("Frame1")->title(), QString("Maximum Speed"));
    QCOMPARE(frame("fraConnection")->title(), QString("Connection Preferences"));
    QCOMPARE(frame("Frame7")->title(), QString("&Echo"));
    QCOMPARE(frame("Frame5")->title(), QString("&Flow Control"));
    QCOMPARE(option("optEcho0")->parent(), frame("Frame7"));
    QCOMPARE(option("optFlow3")->parent(), frame("Frame5"));
    QCOMPARE(list("cboSpeed")->parent(), frame("Frame1"));
    QCOMPARE(list("cboStopBits")->parent(), frame("fraConnection"));
    QCOMPARE(option("optFlow1")->text(), QString("Xon/Xoff"));
    QCOMPARE(option("optFlow3")->text(), QString("Xon/RTS"));
    QCOMPARE(option("optEcho1")->text(), QString("On"));
    for (const char *name : { "cboPort", "cboSpeed", "cboDataBits", "cboParity", "cboStopBits" })
        QVERIFY2(!list(name)->isEditable(), name);
    auto *ok = m_dialog->findChild<QPushButton *>("cmdOK");
    QVERIFY(ok->isDefault());
    QVERIFY(!m_dialog->findChild<QPushButton *>("cmdCancel")->isDefault());

    const QStringList clipped = clippedTexts(m_dialog.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

// The caption check alone, for the runs in other languages, whose texts window() does not know.
void tst_frmProperties::noTextClipped()
{
    open();
    const QStringList clipped = clippedTexts(m_dialog.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
}

void tst_frmProperties::listsFilledAtEachOpening()
{
    QCOMPARE(list("cboSpeed")->count(), 0);
    open();
    m_dialog->hide();
    open();
    QCOMPARE(entries(list("cboPort")), QStringList({ "Com1", "Com2", "Com3", "Com4" }));
    QCOMPARE(entries(list("cboSpeed")),
             QStringList({ "110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200",
                           "28800", "38400", "56000", "57600", "115200", "128000", "256000" }));
    QCOMPARE(entries(list("cboDataBits")), QStringList({ "4", "5", "6", "7", "8" }));
    QCOMPARE(entries(list("cboParity")), QStringList({ "Even", "Odd", "None", "Mark", "Space" }));
    QCOMPARE(entries(list("cboStopBits")), QStringList({ "1", "1.5", "2" }));
}

void tst_frmProperties::opensShowingThePort_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("flow");
    QTest::addColumn<QString>("portText");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("dataBits");
    QTest::addColumn<QString>("parity");
    QTest::addColumn<QString>("stopBits");

    QTest::newRow("start-up configuration") << "9600,N,8,1" << 1 << 0 << "Com1"
                                            << "9600"
                                            << "8"
                                            << "None"
                                            << "1";
    QTest::newRow("mark parity") << "9600,M,8,1" << 1 << 0 << "Com1"
                                 << "9600"
                                 << "8"
                                 << "Mark"
                                 << "1";
    QTest::newRow("odd parity, two stop bits, RTS") << "19200,O,7,2" << 3 << 2 << "Com3"
                                                    << "19200"
                                                    << "7"
                                                    << "Odd"
                                                    << "2";
    QTest::newRow("1.5 stop bits, six-digit speed") << "115200,E,5,1.5" << 4 << 3 << "Com4"
                                                    << "115200"
                                                    << "5"
                                                    << "Even"
                                                    << "1.5";
    QTest::newRow("space parity, slowest speed") << "110,S,4,1" << 2 << 1 << "Com2"
                                                 << "110"
                                                 << "4"
                                                 << "Space"
                                                 << "1";
}

void tst_frmProperties::opensShowingThePort()
{
    QFETCH(QString, settings);
    QFETCH(int, port);
    QFETCH(int, flow);

    QVERIFY(!m_port->setPortOpen(false));
    QVERIFY(!m_port->setCommPort(port));
    QVERIFY(!m_port->setSettings(settings));
    QVERIFY(!m_port->setHandshaking(flow));
    QVERIFY(!m_port->setPortOpen(true));
    m_port->calls.clear();
    open();

    QTEST(list("cboPort")->currentText(), "portText");
    QTEST(list("cboSpeed")->currentText(), "speed");
    QTEST(list("cboDataBits")->currentText(), "dataBits");
    QTEST(list("cboParity")->currentText(), "parity");
    QTEST(list("cboStopBits")->currentText(), "stopBits");
    for (int i = 0; i < 4; ++i)
        QCOMPARE(option(QString("optFlow%1").arg(i))->isChecked(), i == flow);
    QCOMPARE(m_dialog->intFlow, flow);
    QVERIFY(option("optEcho0")->isChecked());
    QVERIFY(!option("optEcho1")->isChecked());
    QCOMPARE(m_dialog->blnEcho, false);
    // Opening only reads the port.
    QCOMPARE(m_port->calls, QStringList());
}

void tst_frmProperties::valuesNotOffered()
{
    // Nothing of the program's own makes these, but the port may report them: the lists show no
    // selection, and OK keeps the port's own values where nothing was chosen.
    QVERIFY(!m_port->setPortOpen(false));
    QVERIFY(!m_port->setCommPort(7));
    QVERIFY(!m_port->setSettings("250000,n,8,1"));
    QVERIFY(!m_port->setPortOpen(true));
    m_port->reported = "250000,N,8,1";
    m_port->reportedHandshaking = 5;
    m_port->calls.clear();
    open();

    QCOMPARE(list("cboPort")->currentIndex(), -1);
    QCOMPARE(list("cboSpeed")->currentIndex(), -1);
    QCOMPARE(list("cboParity")->currentIndex(), -1);
    QCOMPARE(list("cboDataBits")->currentText(), QString("8"));
    QCOMPARE(list("cboStopBits")->currentText(), QString("1"));
    for (int i = 0; i < 4; ++i)
        QVERIFY(!option(QString("optFlow%1").arg(i))->isChecked());
    QCOMPARE(m_dialog->intFlow, -1);

    choose("cboStopBits", "2");
    pressOk();
    QCOMPARE(m_boxes.boxes.size(), 0);
    QCOMPARE(m_port->calls, QStringList({ "Settings=250000,N,8,2" }));
    QCOMPARE(m_port->CommPort(), 7);
    QCOMPARE(m_store.writes, recorded("250000,N,8,1", 7, 5, false));
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void tst_frmProperties::garbledSettingsAreRefusedByThePort()
{
    m_port->reported = "xyz";
    open();
    QCOMPARE(list("cboSpeed")->currentIndex(), -1);
    QCOMPARE(list("cboParity")->currentIndex(), -1);
    QCOMPARE(list("cboDataBits")->currentIndex(), -1);
    QCOMPARE(list("cboStopBits")->currentIndex(), -1);

    pressOk();
    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].text,
             QString("\",,x,z\" is not a line setting Com1 can use. Give the speed, parity, data "
                     "bits and stop bits separated by commas, for example 9600,N,8,1."));
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_store.writes, QStringList());

    // Choosing every field makes a text the port takes.
    choose("cboSpeed", "4800");
    choose("cboParity", "Even");
    choose("cboDataBits", "7");
    choose("cboStopBits", "1");
    pressOk();
    QCOMPARE(m_port->calls, QStringList({ "Settings=4800,E,7,1", "Handshaking=0" }));
    QVERIFY(!m_dialog->isVisible());
}

void tst_frmProperties::optionsDriveMembers()
{
    open();
    option("optFlow2")->click();
    QCOMPARE(m_dialog->intFlow, 2);
    option("optFlow3")->setChecked(true);
    QCOMPARE(m_dialog->intFlow, 3);
    QVERIFY(!option("optFlow2")->isChecked());
    option("optEcho1")->click();
    QCOMPARE(m_dialog->blnEcho, true);
    option("optEcho0")->setChecked(true);
    QCOMPARE(m_dialog->blnEcho, false);

    // Echo is not remembered: a new opening starts from Off again.
    option("optEcho1")->click();
    m_dialog->hide();
    open();
    QVERIFY(option("optEcho0")->isChecked());
    QCOMPARE(m_dialog->blnEcho, false);
    QCOMPARE(m_dialog->intFlow, 0);
}

void tst_frmProperties::accessKeys()
{
    QVERIFY(!m_port->setHandshaking(2));
    open();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));

    QTest::keyClick(m_dialog.get(), Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), option("optFlow2"));
    QTest::keyClick(m_dialog.get(), Qt::Key_E, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), option("optEcho0"));
}

void tst_frmProperties::tabOrder()
{
    open();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_dialog->findChild<QWidget *>("tabSettings")->setFocus(Qt::TabFocusReason);

    // The tab widget hands its focus to its own tab bar; it stands for the tab strip here.
    const auto focused = [] {
        QWidget *w = QApplication::focusWidget();
        return w && w->objectName().startsWith("qt_") ? w->parentWidget()->objectName()
            : w                                       ? w->objectName()
                                                      : QString();
    };
    QStringList order { focused() };
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << focused();
    }
    // Tab visits the selected option of each group only; the arrow keys move within it.
    QCOMPARE(
        order,
        QStringList({ "tabSettings", "cboPort", "cboSpeed", "optEcho0", "cboDataBits", "cboParity",
                      "cboStopBits", "optFlow0", "cmdOK", "cmdCancel", "tabSettings" }));

    // Within a group the arrow keys select the next option, which runs its handler.
    option("optFlow0")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option("optFlow0"), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), option("optFlow1"));
    QVERIFY(option("optFlow1")->isChecked());
    QCOMPARE(m_dialog->intFlow, 1);
}

void tst_frmProperties::okAtOnceRewritesTheSame_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("start-up configuration") << "9600,N,8,1"
                                            << "9600,N,8,1"
                                            << "9600,n,8,1";
    QTest::newRow("mark parity") << "9600,M,8,1"
                                 << "9600,M,8,1"
                                 << "9600,m,8,1";
    QTest::newRow("odd parity, 1.5 stop bits") << "57600,O,6,1.5"
                                               << "57600,O,6,1.5"
                                               << "57600,o,6,1.5";
}

void tst_frmProperties::okAtOnceRewritesTheSame()
{
    QFETCH(QString, settings);
    QVERIFY(!m_port->setSettings(settings));
    m_port->calls.clear();
    open();
    pressOk();

    QFETCH(QString, written);
    QFETCH(QString, readBack);
    QCOMPARE(m_port->calls, QStringList({ "Settings=" + written, "Handshaking=0" }));
    QCOMPARE(m_store.writes, recorded(readBack, 1, 0, false));
}

void tst_frmProperties::okWithPortUnchanged()
{
    QSignalSpy accepted(m_dialog.get(), &QDialog::accepted);
    open();
    choose("cboSpeed", "19200");
    choose("cboParity", "Odd");
    choose("cboStopBits", "2");
    option("optFlow1")->click();
    option("optEcho1")->click();
    pressOk();

    QCOMPARE(m_port->calls, QStringList({ "Settings=19200,O,8,2", "Handshaking=1" }));
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_store.writes, recorded("19200,o,8,2", 1, 1, true));
    QCOMPARE(m_boxes.boxes.size(), 0);
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!m_dialog->isVisible());
}

void tst_frmProperties::okWithAnotherPortWhileOpen()
{
    open();
    choose("cboPort", "Com3");
    choose("cboDataBits", "7");
    pressOk();

    QCOMPARE(m_port->calls,
             QStringList({ "PortOpen=false", "CommPort=3", "PortOpen=true", "Settings=9600,N,7,1",
                           "Handshaking=0" }));
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 3);
    QCOMPARE(m_store.writes, recorded("9600,n,7,1", 3, 0, false));
    QVERIFY(!m_dialog->isVisible());
}

void tst_frmProperties::refusedPortChangeKeepsTheOldPort()
{
    m_port->refuseOpen(2, PortFault::Kind::NoDevice);
    open();
    choose("cboPort", "Com2");
    choose("cboSpeed", "4800");
    option("optFlow1")->click();
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    const FakeMessageBoxes::Box box = m_boxes.boxes.first();
    QCOMPARE(box.icon, MessageBoxes::Icon::Warning);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(box.title, QString("Tiltbench"));
    QCOMPARE(
        box.text,
        QString(
            "Com2 (/dev/fake2) could not be opened: there is no such port. Plug in the adapter, "
            "or choose another port."));

    // The working connection is back; nothing else was applied or recorded.
    QCOMPARE(m_port->calls,
             QStringList({ "PortOpen=false", "CommPort=2", "CommPort=1", "PortOpen=true" }));
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_port->Settings(), QString("9600,n,8,1"));
    QCOMPARE(m_store.writes, QStringList());

    // The dialog stays with the operator's choices.
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(list("cboPort")->currentText(), QString("Com2"));
    QCOMPARE(list("cboSpeed")->currentText(), QString("4800"));
    QCOMPARE(m_dialog->intFlow, 1);
}

void tst_frmProperties::refusedPortChangeAndFailedReopen()
{
    m_port->refuseOpen(2, PortFault::Kind::NoDevice);
    m_port->refuseOpen(1, PortFault::Kind::Busy);
    open();
    choose("cboPort", "Com2");
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].text,
             QString("Com2 (/dev/fake2) could not be opened: there is no such port. Plug in the "
                     "adapter, or choose another port.\n\nThe previous port, Com1, could not be "
                     "opened again: Com1 (/dev/fake1) could not be opened: another program is "
                     "using it. Close that program, or choose another port."));
    QCOMPARE(m_port->calls, QStringList({ "PortOpen=false", "CommPort=2", "CommPort=1" }));
    QVERIFY(!m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_store.writes, QStringList());
    QVERIFY(m_dialog->isVisible());
}

void tst_frmProperties::firstHeldErrorIsShown()
{
    // The close fails, so renumbering fails too; the first refusal is the one shown, and the
    // reopen is not attempted.
    m_port->refuseClose = true;
    open();
    choose("cboPort", "Com2");
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].text,
             QString("Com1 (/dev/fake1) did not take the bytes to send (the device does not "
                     "answer). Check the device and its cable, then try again."));
    QCOMPARE(m_port->calls, QStringList());
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_store.writes, QStringList());
}

void tst_frmProperties::refusedLineSetting()
{
    m_port->refuseSettings("19200,E,8,1");
    open();
    choose("cboPort", "Com2");
    choose("cboSpeed", "19200");
    choose("cboParity", "Even");
    option("optFlow2")->click();
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].title, QString("Tiltbench"));
    QCOMPARE(m_boxes.boxes[0].text,
             QString("Com2 (/dev/fake2) cannot use the settings 19200,E,8,1: the device does not "
                     "support it. Choose another setting in Options > Port Properties..."));
    // The port change stays in force; the flow control was not written.
    QCOMPARE(m_port->calls, QStringList({ "PortOpen=false", "CommPort=2", "PortOpen=true" }));
    QCOMPARE(m_port->CommPort(), 2);
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_port->Settings(), QString("9600,n,8,1"));
    QCOMPARE(m_port->Handshaking(), 0);
    QCOMPARE(m_store.writes, QStringList());
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(list("cboParity")->currentText(), QString("Even"));
}

void tst_frmProperties::refusedFlowControl()
{
    m_port->refuseHandshaking(2);
    open();
    choose("cboSpeed", "4800");
    option("optFlow2")->click();
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].text,
             QString("Com1 (/dev/fake1) cannot use RTS/CTS flow control: the device does not "
                     "support it. Choose another setting in Options > Port Properties..."));
    // The new line setting stays in force.
    QCOMPARE(m_port->calls, QStringList({ "Settings=4800,N,8,1" }));
    QCOMPARE(m_port->Settings(), QString("4800,n,8,1"));
    QCOMPARE(m_store.writes, QStringList());
    QVERIFY(m_dialog->isVisible());

    // Cancelling now records nothing either; the accepted line setting stays.
    m_dialog->findChild<QPushButton *>("cmdCancel")->click();
    QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_store.writes, QStringList());
    QCOMPARE(m_port->Settings(), QString("4800,n,8,1"));
}

void tst_frmProperties::closedPortIsOpenedByOk_data()
{
    QTest::addColumn<QString>("portText");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<int>("port");

    QTest::newRow("another port") << "Com2"
                                  << QStringList { "CommPort=2", "Settings=4800,N,8,1",
                                                   "Handshaking=1", "PortOpen=true" }
                                  << 2;
    QTest::newRow("same port, new settings only")
        << "Com1" << QStringList { "Settings=4800,N,8,1", "Handshaking=1", "PortOpen=true" } << 1;
}

void tst_frmProperties::closedPortIsOpenedByOk()
{
    QFETCH(QString, portText);
    QFETCH(int, port);

    m_port->unplug();
    m_port->calls.clear();
    open();
    choose("cboPort", portText);
    choose("cboSpeed", "4800");
    option("optFlow1")->click();
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 0);
    QTEST(m_port->calls, "calls");
    QVERIFY(m_port->PortOpen());
    QCOMPARE(m_store.writes, recorded("4800,n,8,1", port, 1, false));
    QVERIFY(!m_dialog->isVisible());
}

void tst_frmProperties::closedPortThatWillNotOpen()
{
    m_port->unplug();
    m_port->refuseOpen(2, PortFault::Kind::NoDevice);
    m_port->calls.clear();
    open();
    choose("cboPort", "Com2");
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes[0].title, QString("Tiltbench"));
    QCOMPARE(
        m_boxes.boxes[0].text,
        QString(
            "Com2 (/dev/fake2) could not be opened: there is no such port. Plug in the adapter, "
            "or choose another port."));
    QCOMPARE(m_port->calls,
             QStringList({ "CommPort=2", "Settings=9600,N,8,1", "Handshaking=0", "CommPort=1" }));
    QVERIFY(!m_port->PortOpen());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_store.writes, QStringList());
    QVERIFY(m_dialog->isVisible());
}

void tst_frmProperties::failedStoreWriteIsSkipped()
{
    m_store.failingKeys = { "CommPort" };
    open();
    option("optEcho1")->click();
    pressOk();

    QCOMPARE(m_boxes.boxes.size(), 0);
    QCOMPARE(m_store.writes,
             QStringList({ kStore + "Settings=9600,n,8,1", kStore + "Handshaking=0",
                           kStore + "Echo=True" }));
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
}

void tst_frmProperties::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("byTitleBar");
    QTest::newRow("Cancel button") << false;
    QTest::newRow("title-bar close") << true;
}

void tst_frmProperties::cancelChangesNothing()
{
    QFETCH(bool, byTitleBar);
    QSignalSpy rejected(m_dialog.get(), &QDialog::rejected);
    open();
    choose("cboPort", "Com4");
    choose("cboSpeed", "256000");
    choose("cboDataBits", "5");
    choose("cboParity", "Space");
    choose("cboStopBits", "1.5");
    option("optFlow3")->click();
    option("optEcho1")->click();
    if (byTitleBar)
        QVERIFY(m_dialog->close());
    else
        m_dialog->findChild<QPushButton *>("cmdCancel")->click();

    QCOMPARE(rejected.count(), 1);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_port->calls, QStringList());
    QCOMPARE(m_port->CommPort(), 1);
    QCOMPARE(m_port->Settings(), QString("9600,n,8,1"));
    QCOMPARE(m_port->Handshaking(), 0);
    QCOMPARE(m_store.writes, QStringList());
}

void tst_frmProperties::enterPressesOk_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void tst_frmProperties::enterPressesOk()
{
    QFETCH(int, key);
    open();
    choose("cboSpeed", "2400");
    // From a list, the key falls through to the dialog, which presses its default button.
    QTest::keyClick(list("cboSpeed"), Qt::Key(key));

    QCOMPARE(m_port->calls, QStringList({ "Settings=2400,N,8,1", "Handshaking=0" }));
    QCOMPARE(m_store.writes.size(), 4);
    QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
    QVERIFY(!m_dialog->isVisible());
}

void tst_frmProperties::escapeDoesNothing()
{
    QSignalSpy rejected(m_dialog.get(), &QDialog::rejected);
    open();
    choose("cboSpeed", "2400");
    QTest::keyClick(list("cboSpeed"), Qt::Key_Escape);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape);

    QVERIFY(m_dialog->isVisible());
    QCOMPARE(rejected.count(), 0);
    QCOMPARE(list("cboSpeed")->currentText(), QString("2400"));
    QCOMPARE(m_port->calls, QStringList());
    QCOMPARE(m_store.writes, QStringList());
}

QTEST_MAIN(tst_frmProperties)
#include "tst_frmproperties.moc"
