#include "fakemessageboxes.h"
#include "fakeserialport.h"
#include "frmmotorcontrol.h"
#include "textfit.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using Writes = QList<QByteArray>;

class tst_frmMotorControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startUpState();
    void scrollBarRanges_data();
    void scrollBarRanges();
    void valueLabelFollowsScrollBar_data();
    void valueLabelFollowsScrollBar();
    void moveWrites_data();
    void moveWrites();
    void continuousModeDisablesDistanceAndCounter();
    void countResets_data();
    void countResets();
    void reselectedModeChangesNothing_data();
    void reselectedModeChangesNothing();
    void overflowIsRefused_data();
    void overflowIsRefused();
    void refusedWriteStopsTheSequence_data();
    void refusedWriteStopsTheSequence();
    void sendWritesTextAsTyped_data();
    void sendWritesTextAsTyped();
    void sendPresetFromList_data();
    void sendPresetFromList();
    void unsendableCharacterSendsNothing_data();
    void unsendableCharacterSendsNothing();
    void enterKey_data();
    void enterKey();
    void receivedCharactersChangeNothing();
    void startUpWithoutPort();
    void statusFollowsPort();
    void longPortStateIsShortenedNotClipped();
    void exitConfirmation_data();
    void exitConfirmation();
    void menusAndShortcuts();
    void focusOrder();
    void noCaptionClipped();

private:
    template<typename T> T *child(const char *name)
    {
        T *w = m_window->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no child %s", name);
        return w;
    }
    QString text(const char *label) { return child<QLabel>(label)->text(); }
    void click(const char *button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }

    FakeSerialPort *m_port = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    frmMotorControl *m_window = nullptr;
};

void tst_frmMotorControl::init()
{
    m_port = new FakeSerialPort;
    m_boxes = new FakeMessageBoxes;
    m_window = new frmMotorControl(*m_port, *m_boxes);
}

void tst_frmMotorControl::cleanup()
{
    delete m_window;
    delete m_boxes;
    delete m_port;
}

void tst_frmMotorControl::startUpState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tiltbench - Motor Control"));
    QCOMPARE(text("lblAccelValue"), QStringLiteral("5"));
    QCOMPARE(text("lblVelValue"), QStringLiteral("5"));
    QCOMPARE(text("lblDistValue"), QStringLiteral("10000"));
    QCOMPARE(text("lblStepValue"), QStringLiteral("0"));
    QVERIFY(child<QRadioButton>("optMN")->isChecked());
    QVERIFY(!child<QRadioButton>("optMC")->isChecked());
    QCOMPARE(m_window->modeCommand(), QStringLiteral("MN"));

    auto *combo = child<QComboBox>("cmbCommand");
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("v10"));
    QCOMPARE(combo->itemText(1), QStringLiteral("g"));
    QCOMPARE(combo->itemText(2), QStringLiteral("s"));

    // The port is set up in this order, and nothing is sent.
    QCOMPARE(m_port->calls,
             QStringList({ "CommPort=1", "Settings=9600,N,8,1", "PortOpen=true", "RThreshold=1" }));
    QVERIFY(m_port->writes.isEmpty());
    QVERIFY(m_boxes->boxes.isEmpty());
    QCOMPARE(text("lblPortState"), QStringLiteral("Com1 open: /dev/fake1, 9600,n,8,1"));
}

void tst_frmMotorControl::scrollBarRanges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("smallStep");
    QTest::addColumn<int>("largeStep");

    QTest::newRow("acceleration") << "hscrollAccel" << 10 << 1 << 2;
    QTest::newRow("velocity") << "hscrollVel" << 10 << 1 << 2;
    QTest::newRow("distance") << "hscrollDist" << 30000 << 20 << 1000;
}

void tst_frmMotorControl::scrollBarRanges()
{
    QFETCH(QString, name);
    QFETCH(int, maximum);
    QFETCH(int, smallStep);
    QFETCH(int, largeStep);

    auto *bar = child<QScrollBar>(name.toLatin1());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), maximum);
    const int start = bar->value();
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), start + smallStep);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(bar->value(), start + smallStep - largeStep);
}

void tst_frmMotorControl::valueLabelFollowsScrollBar_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("value");

    QTest::newRow("acceleration") << "hscrollAccel"
                                  << "lblAccelValue" << 7;
    QTest::newRow("velocity at 0") << "hscrollVel"
                                   << "lblVelValue" << 0;
    QTest::newRow("distance") << "hscrollDist"
                              << "lblDistValue" << 29980;
}

void tst_frmMotorControl::valueLabelFollowsScrollBar()
{
    QFETCH(QString, bar);
    QFETCH(QString, label);
    QFETCH(int, value);
    auto *scrollBar = child<QScrollBar>(bar.toLatin1());

    // While the thumb is dragged, before the value itself changes.
    scrollBar->setTracking(false);
    scrollBar->setSliderDown(true);
    scrollBar->setSliderPosition(value);
    QCOMPARE(text(label.toLatin1()), QString::number(value));

    // On release, and whenever the value changes.
    scrollBar->setSliderDown(false);
    QCOMPARE(scrollBar->value(), value);
    scrollBar->setValue(3);
    QCOMPARE(text(label.toLatin1()), QStringLiteral("3"));
}

void tst_frmMotorControl::moveWrites_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("acceleration");
    QTest::addColumn<int>("velocity");
    QTest::addColumn<int>("distance");
    QTest::addColumn<bool>("continuous");
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<QString>("steps");

    QTest::newRow("up, start-up values")
        << "btnUp" << 5 << 5 << 10000 << false
        << Writes { "LD0\r", "A5\r", "V5\r", "D10000\r", "MN\r", "G\r" } << " 10000";
    QTest::newRow("down, start-up values")
        << "btnDown" << 5 << 5 << 10000 << false
        << Writes { "LD0\r", "A5\r", "V5\r", "D-10000\r", "MN\r", "G\r" } << "-10000";
    QTest::newRow("up, zeros") << "btnUp" << 0 << 0 << 0 << false
                               << Writes { "LD0\r", "A0\r", "V0\r", "D0\r", "MN\r", "G\r" } << " 0";
    QTest::newRow("down, zeros") << "btnDown" << 0 << 0 << 0 << false
                                 << Writes { "LD0\r", "A0\r", "V0\r", "D-0\r", "MN\r", "G\r" }
                                 << " 0";
    QTest::newRow("up, maxima") << "btnUp" << 10 << 10 << 30000 << false
                                << Writes { "LD0\r", "A10\r", "V10\r", "D30000\r", "MN\r", "G\r" }
                                << " 30000";
    // The distance bar is disabled but still read, sent and counted.
    QTest::newRow("up, continuous")
        << "btnUp" << 3 << 8 << 2000 << true
        << Writes { "LD0\r", "A3\r", "V8\r", "D2000\r", "MC\r", "G\r" } << " 2000";
    QTest::newRow("down, continuous")
        << "btnDown" << 3 << 8 << 2000 << true
        << Writes { "LD0\r", "A3\r", "V8\r", "D-2000\r", "MC\r", "G\r" } << "-2000";
}

void tst_frmMotorControl::moveWrites()
{
    QFETCH(QString, button);
    QFETCH(int, acceleration);
    QFETCH(int, velocity);
    QFETCH(int, distance);
    QFETCH(bool, continuous);
    QFETCH(Writes, writes);
    QFETCH(QString, steps);

    if (continuous)
        child<QRadioButton>("optMC")->click();
    child<QScrollBar>("hscrollAccel")->setValue(acceleration);
    child<QScrollBar>("hscrollVel")->setValue(velocity);
    child<QScrollBar>("hscrollDist")->setValue(distance);

    click(button.toLatin1());
    QCOMPARE(m_port->writes, writes);
    QCOMPARE(text("lblStepValue"), steps);

    // A second move is a complete new sequence; no Stop comes between.
    click(button.toLatin1());
    QCOMPARE(m_port->writes, writes + writes);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_frmMotorControl::continuousModeDisablesDistanceAndCounter()
{
    const char *distanceControls[] = { "hscrollDist",   "lblDist", "lblDistValue", "frmCalib",
                                       "btnCalibReset", "lblStep", "lblStepValue" };
    const char *otherControls[]
        = { "hscrollAccel", "hscrollVel", "btnUp", "btnDown", "btnStop", "cmbCommand", "btnSend" };

    child<QRadioButton>("optMC")->click();
    QCOMPARE(m_window->modeCommand(), QStringLiteral("MC"));
    for (const char *name : distanceControls)
        QVERIFY2(!child<QWidget>(name)->isEnabled(), name);
    for (const char *name : otherControls)
        QVERIFY2(child<QWidget>(name)->isEnabled(), name);

    child<QRadioButton>("optMN")->click();
    QCOMPARE(m_window->modeCommand(), QStringLiteral("MN"));
    for (const char *name : distanceControls)
        QVERIFY2(child<QWidget>(name)->isEnabled(), name);
    // The mode goes out only with the next move.
    QVERIFY(m_port->writes.isEmpty());
}

void tst_frmMotorControl::countResets_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<Writes>("writes");

    QTest::newRow("stop") << "btnStop" << Writes { "S\r" };
    QTest::newRow("reset") << "btnCalibReset" << Writes {};
    QTest::newRow("continuous mode") << "optMC" << Writes {};
    QTest::newRow("back to normal mode") << "optMN" << Writes {};
}

void tst_frmMotorControl::countResets()
{
    QFETCH(QString, control);
    QFETCH(Writes, writes);

    if (control == u"optMN")
        child<QRadioButton>("optMC")->click();
    click("btnDown");
    QCOMPARE(text("lblStepValue"), QStringLiteral("-10000"));
    m_port->writes.clear();

    child<QAbstractButton>(control.toLatin1())->click();
    QCOMPARE(m_window->stepCount(), 0);
    QCOMPARE(text("lblStepValue"), QStringLiteral(" 0"));
    QCOMPARE(m_port->writes, writes);
}

void tst_frmMotorControl::reselectedModeChangesNothing_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("mode");

    QTest::newRow("normal mode clicked again") << "optMN" << false << "MN";
    QTest::newRow("continuous mode clicked again") << "optMC" << false << "MC";
    QTest::newRow("normal mode, space again") << "optMN" << true << "MN";
    QTest::newRow("continuous mode, space again") << "optMC" << true << "MC";
}

void tst_frmMotorControl::reselectedModeChangesNothing()
{
    QFETCH(QString, option);
    QFETCH(bool, byKey);
    QFETCH(QString, mode);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *button = child<QRadioButton>(option.toLatin1());
    // On the indicator: the button's text does not reach its right edge.
    const QPoint indicator(6, button->height() / 2);
    QTest::mouseClick(button, Qt::LeftButton, {}, indicator);
    QVERIFY(button->isChecked());
    click("btnUp");
    QCOMPARE(m_window->stepCount(), 10000);
    const bool distanceEnabled = child<QWidget>("hscrollDist")->isEnabled();

    if (byKey) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
    } else {
        QTest::mouseClick(button, Qt::LeftButton, {}, indicator);
    }
    QVERIFY(button->isChecked());
    QCOMPARE(m_window->stepCount(), 10000);
    QCOMPARE(text("lblStepValue"), QStringLiteral(" 10000"));
    QCOMPARE(m_window->modeCommand(), mode);
    QCOMPARE(child<QWidget>("hscrollDist")->isEnabled(), distanceEnabled);
}

void tst_frmMotorControl::overflowIsRefused_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("display");

    QTest::newRow("up past the maximum")
        << "btnUp" << std::numeric_limits<int>::max() - 5000 << " 2147478647";
    QTest::newRow("down past the minimum")
        << "btnDown" << std::numeric_limits<int>::min() + 5000 << "-2147478648";
}

void tst_frmMotorControl::overflowIsRefused()
{
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(QString, display);

    m_window->subStepUpdate(start);
    QCOMPARE(text("lblStepValue"), display);

    click(button.toLatin1());
    // The move went out; only the count refuses it, and the program goes on.
    QCOMPARE(m_port->writes.size(), 6);
    QCOMPARE(m_window->stepCount(), start);
    QCOMPARE(text("lblStepValue"), display);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].icon, MessageBoxes::Icon::Warning);
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Tiltbench"));
    QVERIFY(m_boxes->boxes[0].text.contains(QStringLiteral("Overflow")));

    click("btnCalibReset");
    QCOMPARE(text("lblStepValue"), QStringLiteral(" 0"));
}

void tst_frmMotorControl::refusedWriteStopsTheSequence_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("failingWrite");
    QTest::addColumn<Writes>("sent");

    QTest::newRow("up, first write") << "btnUp" << 0 << Writes {};
    QTest::newRow("up, distance") << "btnUp" << 3 << Writes { "LD0\r", "A5\r", "V5\r" };
    QTest::newRow("down, go") << "btnDown" << 5
                              << Writes { "LD0\r", "A5\r", "V5\r", "D-10000\r", "MN\r" };
    QTest::newRow("stop") << "btnStop" << 0 << Writes {};
    QTest::newRow("send") << "btnSend" << 0 << Writes {};
}

void tst_frmMotorControl::refusedWriteStopsTheSequence()
{
    QFETCH(QString, button);
    QFETCH(int, failingWrite);
    QFETCH(Writes, sent);

    click("btnUp");
    m_port->writes.clear();
    child<QComboBox>("cmbCommand")->setEditText(QStringLiteral("v10"));

    m_port->failWrite(failingWrite, QStringLiteral("the line is down"));
    click(button.toLatin1());

    QCOMPARE(m_port->writes, sent);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].icon, MessageBoxes::Icon::Warning);
    QCOMPARE(m_boxes->boxes[0].buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Tiltbench"));
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Com1 (/dev/fake1) did not take the bytes to send (the line is down). "
                            "Check the device and its cable, then try again."));
    // The count, its label and the typed command stay as they were.
    QCOMPARE(m_window->stepCount(), 10000);
    QCOMPARE(text("lblStepValue"), QStringLiteral(" 10000"));
    QCOMPARE(child<QComboBox>("cmbCommand")->currentText(), QStringLiteral("v10"));

    // The program goes on: the next click works.
    click("btnStop");
    QCOMPARE(m_port->writes.last(), QByteArray("S\r"));
}

void tst_frmMotorControl::sendWritesTextAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("preset text typed") << "v10" << QByteArray("v10\r");
    QTest::newRow("empty gives a lone carriage return") << "" << QByteArray("\r");
    QTest::newRow("blanks kept at both ends") << "  A5 " << QByteArray("  A5 \r");
    QTest::newRow("case kept") << "MixEd" << QByteArray("MixEd\r");
    QTest::newRow("no check of content") << "D-99999999;x" << QByteArray("D-99999999;x\r");
}

void tst_frmMotorControl::sendWritesTextAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);

    auto *combo = child<QComboBox>("cmbCommand");
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), typed);
    click("btnSend");

    QCOMPARE(m_port->writes, Writes { written });
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->count(), 3);
}

void tst_frmMotorControl::sendPresetFromList_data()
{
    QTest::addColumn<int>("downs");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("first entry") << 0 << QByteArray("v10\r");
    QTest::newRow("second entry") << 1 << QByteArray("g\r");
}

void tst_frmMotorControl::sendPresetFromList()
{
    QFETCH(int, downs);
    QFETCH(QByteArray, written);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *combo = child<QComboBox>("cmbCommand");
    combo->setFocus();
    QTest::keyClicks(combo, QStringLiteral("x"));
    // The list opens from the keyboard on its first entry; the entry picked replaces the typed
    // text.
    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(combo->view()->isVisible());
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QTRY_VERIFY(!combo->view()->isVisible());
    QCOMPARE(combo->currentText(), QString::fromLatin1(written.chopped(1)));

    click("btnSend");
    QCOMPARE(m_port->writes, Writes { written });
    QCOMPARE(combo->currentText(), QString());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(0), QStringLiteral("v10"));
}

void tst_frmMotorControl::unsendableCharacterSendsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("character");
    QTest::addColumn<int>("position");

    QTest::newRow("typographic minus")
        << QStringLiteral("D\u22121000") << QStringLiteral("\u2212") << 2;
    // The Latin-1 letter before it goes out fine; the emoji is one character of two units.
    QTest::newRow("after a Latin-1 letter, beyond the basic plane")
        << QStringLiteral("\u00e9\U0001F600g\u2212") << QStringLiteral("\U0001F600") << 2;
    QTest::newRow("last of three") << QStringLiteral("v1\u2080") << QStringLiteral("\u2080") << 3;
}

void tst_frmMotorControl::unsendableCharacterSendsNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, character);
    QFETCH(int, position);

    auto *combo = child<QComboBox>("cmbCommand");
    combo->setFocus();
    // QTest::keyClicks types Latin-1 only; other characters come as key events carrying the text.
    for (qsizetype i = 0; i < typed.size(); ++i) {
        const QString c = typed.mid(i, typed.at(i).isHighSurrogate() ? 2 : 1);
        i += c.size() - 1;
        if (c.at(0).unicode() < 0x80)
            QTest::keyClicks(combo, c);
        else
            QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, c, Qt::NoModifier);
    }
    QCOMPARE(combo->currentText(), typed);
    click("btnSend");

    QVERIFY(m_port->writes.isEmpty());
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].icon, MessageBoxes::Icon::Warning);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("The command was not sent: the character \"%1\" at position %2 cannot "
                            "be sent to the indexer, which takes only Latin-1 characters. Replace "
                            "it, then press Send again.")
                 .arg(character)
                 .arg(position));
}

void tst_frmMotorControl::enterKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Writes>("writes");

    QTest::newRow("command box, Return") << "cmbCommand" << int(Qt::Key_Return) << Writes { "g\r" };
    QTest::newRow("command box, keypad Enter")
        << "cmbCommand" << int(Qt::Key_Enter) << Writes { "g\r" };
    QTest::newRow("scroll bar") << "hscrollVel" << int(Qt::Key_Return) << Writes { "g\r" };
    QTest::newRow("option button") << "optMN" << int(Qt::Key_Return) << Writes { "g\r" };
    QTest::newRow("send button") << "btnSend" << int(Qt::Key_Return) << Writes { "g\r" };
    QTest::newRow("stop button presses stop")
        << "btnStop" << int(Qt::Key_Return) << Writes { "S\r" };
    QTest::newRow("up button presses up")
        << "btnUp" << int(Qt::Key_Return)
        << Writes { "LD0\r", "A5\r", "V5\r", "D10000\r", "MN\r", "G\r" };
}

void tst_frmMotorControl::enterKey()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Writes, writes);

    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    auto *combo = child<QComboBox>("cmbCommand");
    combo->setEditText(QStringLiteral("g"));

    QWidget *target = child<QWidget>(focus.toLatin1());
    if (auto *box = qobject_cast<QComboBox *>(target))
        target = box->lineEdit();
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(m_port->writes, writes);
    // Enter never adds the typed text to the list.
    QCOMPARE(combo->count(), 3);
}

void tst_frmMotorControl::receivedCharactersChangeNothing()
{
    m_window->show();
    click("btnUp");
    const auto labels = m_window->findChildren<QLabel *>();
    QStringList before;
    for (const QLabel *label : labels)
        before << label->text();
    const Writes writesBefore = m_port->writes;

    m_port->receive("*\r\n#garbage\x01\xff");
    m_port->receive(QByteArray(4096, 'x'));

    QCOMPARE(m_port->inputReads, 2);
    QCOMPARE(m_port->Input(), QByteArray()); // drained each time
    QStringList after;
    for (const QLabel *label : labels)
        after << label->text();
    QCOMPARE(after, before);
    QCOMPARE(m_port->writes, writesBefore);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_frmMotorControl::startUpWithoutPort()
{
    delete m_window;
    delete m_port;
    m_port = new FakeSerialPort;
    m_port->setDevice(1, QStringLiteral("/dev/ttyS0"));
    m_port->refuseOpen(1, PortFault::Kind::NoDevice);
    m_window = new frmMotorControl(*m_port, *m_boxes);

    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Tiltbench"));
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Com1 (/dev/ttyS0) could not be opened: there is no such port. Plug "
                            "in the adapter, or choose another port."));
    QVERIFY(!m_port->PortOpen());
    QCOMPARE(text("lblPortState"), QStringLiteral("Com1 closed: there is no device /dev/ttyS0"));
    // The rest of the window is set up as usual.
    QCOMPARE(text("lblDistValue"), QStringLiteral("10000"));
    QCOMPARE(child<QComboBox>("cmbCommand")->count(), 3);

    click("btnUp");
    click("btnSend");
    QVERIFY(m_port->writes.isEmpty());
    QCOMPARE(m_boxes->boxes.size(), 3);
    QCOMPARE(m_boxes->boxes[1].text,
             QStringLiteral("Com1 (/dev/ttyS0) is not open, so nothing was sent. Open it in "
                            "Options > Port Properties..."));
    QCOMPARE(text("lblStepValue"), QStringLiteral("0"));
}

void tst_frmMotorControl::statusFollowsPort()
{
    QVERIFY(m_port->setSettings(QStringLiteral("19200,E,7,2")).number == 0);
    QCOMPARE(text("lblPortState"), QStringLiteral("Com1 open: /dev/fake1, 19200,e,7,2"));

    m_port->unplug();
    QCOMPARE(text("lblPortState"),
             QStringLiteral("Com1 closed: the device /dev/fake1 was disconnected"));
    click("btnStop");
    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].text,
             QStringLiteral("Com1 is closed because the device /dev/fake1 was disconnected, so "
                            "nothing was sent. Plug the device back in: the port opens again by "
                            "itself."));

    QVERIFY(m_port->setCommPort(2).number == 0);
    QVERIFY(m_port->setPortOpen(true).number == 0);
    QCOMPARE(text("lblPortState"), QStringLiteral("Com2 open: /dev/fake2, 19200,e,7,2"));
    QVERIFY(m_port->setPortOpen(false).number == 0);
    QCOMPARE(text("lblPortState"), QStringLiteral("Com2 closed"));
}

void tst_frmMotorControl::longPortStateIsShortenedNotClipped()
{
    const QString device
        = QStringLiteral("/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0");
    const QString reason = QStringLiteral("another program is using ") + device;
    delete m_window;
    delete m_port;
    m_port = new FakeSerialPort;
    m_port->setDevice(1, device);
    m_port->refuseOpen(1, PortFault::Kind::Busy);
    m_window = new frmMotorControl(*m_port, *m_boxes);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    auto *state = child<QLabel>("lblPortState");
    QCOMPARE(state->toolTip(), QStringLiteral("Com1 closed: ") + reason);
    // The state and the end of the device's name stay; its middle gives way.
    QVERIFY(state->text().startsWith(QStringLiteral("Com1 closed: another program")));
    QVERIFY(state->text().contains(QChar(0x2026)));
    QVERIFY(state->text().endsWith(QStringLiteral("port0")));
    const QStringList clipped = clippedTexts(m_window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void tst_frmMotorControl::exitConfirmation_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK quits") << true;
    QTest::newRow("Cancel stays") << false;
}

void tst_frmMotorControl::exitConfirmation()
{
    QFETCH(bool, ok);
    m_window->show();
    QSignalSpy exitSpy(m_window, &frmMotorControl::exitConfirmed);
    bool visibleWhenConfirmed = false;
    connect(m_window, &frmMotorControl::exitConfirmed, this,
            [&] { visibleWhenConfirmed = m_window->isVisible(); });
    m_boxes->answers << (ok ? MessageBoxes::Answer::Ok : MessageBoxes::Answer::Cancel);

    m_window->mnuFileExit->trigger();

    QCOMPARE(m_boxes->boxes.size(), 1);
    QCOMPARE(m_boxes->boxes[0].icon, MessageBoxes::Icon::Question);
    QCOMPARE(m_boxes->boxes[0].buttons, MessageBoxes::Buttons::OkCancel);
    QCOMPARE(m_boxes->boxes[0].title, QStringLiteral("Confirm Exit"));
    QCOMPARE(m_boxes->boxes[0].text, QStringLiteral("OK to quit?"));
    QCOMPARE(exitSpy.size(), ok ? 1 : 0);
    // The other windows are told first, while the main window is still up.
    QCOMPARE(visibleWhenConfirmed, ok);
    QCOMPARE(m_window->isVisible(), !ok);
    QCOMPARE(m_port->PortOpen(), !ok);
}

void tst_frmMotorControl::menusAndShortcuts()
{
    QCOMPARE(m_window->mnuFileExit->text(), QStringLiteral("Exit"));
    // The offscreen platform names no Quit key, so Exit falls back to Ctrl+Q.
    QCOMPARE(m_window->mnuFileExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(m_window->mnuToolsCalc->text(), QStringLiteral("Friction Calculator"));
    QCOMPARE(m_window->mnuToolsCalc->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(m_window->mnuOptionsPort->text(), QStringLiteral("Port Properties..."));
    QCOMPARE(m_window->mnuHelpAbout->text(), QStringLiteral("About Tiltbench..."));
    QVERIFY(m_window->mnuFileExit->isEnabled());

    QSignalSpy calculator(m_window, &frmMotorControl::calculatorRequested);
    QSignalSpy port(m_window, &frmMotorControl::portPropertiesRequested);
    QSignalSpy about(m_window, &frmMotorControl::aboutRequested);
    for (QAction *action :
         { m_window->mnuToolsCalc, m_window->mnuOptionsPort, m_window->mnuHelpAbout }) {
        QVERIFY(!action->isEnabled());
        action->setEnabled(true);
        action->trigger();
    }
    QCOMPARE(calculator.size(), 1);
    QCOMPARE(port.size(), 1);
    QCOMPARE(about.size(), 1);
}

void tst_frmMotorControl::focusOrder()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    const QStringList expected { "optMN",      "hscrollAccel", "hscrollVel", "hscrollDist",
                                 "btnUp",      "btnDown",      "btnStop",    "btnCalibReset",
                                 "cmbCommand", "btnSend",      "optMN" };
    child<QWidget>("optMN")->setFocus();
    QStringList visited { QApplication::focusWidget()->objectName() };
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        // The command box's text field stands for the box.
        if (qobject_cast<QLineEdit *>(focus)
            && focus->parentWidget()->objectName() == u"cmbCommand")
            focus = focus->parentWidget();
        visited << focus->objectName();
    }
    // The unchecked option of the pair is reached with the arrow keys, as usual for options.
    QCOMPARE(visited, expected);
}

void tst_frmMotorControl::noCaptionClipped()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QStringList clipped = clippedTexts(m_window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    // The widest value the distance label and the step label can show fit too.
    child<QLabel>("lblDistValue")->setText(QStringLiteral("30000"));
    child<QLabel>("lblStepValue")->setText(QStringLiteral("-2147483648"));
    const QStringList clippedValues = clippedTexts(m_window);
    QVERIFY2(clippedValues.isEmpty(), qPrintable(clippedValues.join(u'\n')));
}

QTEST_MAIN(tst_frmMotorControl)
#include "tst_frmmotorcontrol.moc"
