#include "frmmotorcontrol.h"

#include "appinfo.h"
#include "messageboxes.h"
#include "motorcommands.h"
#include "portmessages.h"
#include "serialport.h"
#include "twipslayout.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>

#include <limits>
#include <optional>

namespace {

// The design table of the window, in twips; controls inside a frame are placed relative to it.
constexpr TwipsRect kClientArea { 0, 0, 6255, 5085 };
constexpr TwipsRect kFrmSettings { 240, 120, 4452, 2532 };
constexpr TwipsRect kOptMN { 1200, 240, 3000, 300 };
constexpr TwipsRect kOptMC { 1200, 600, 3000, 300 };
// Each motion row: the name label ends at 1572, the scroll bar runs from 1800 to 3372, the value
// label starts at 3720.
constexpr int kRowTops[] = { 1080, 1560, 2040 };
constexpr TwipsRect rowName(int row)
{
    return { 60, kRowTops[row], 1512, 252 };
}
constexpr TwipsRect rowScroll(int row)
{
    return { 1800, kRowTops[row], 1572, 252 };
}
constexpr TwipsRect rowValue(int row)
{
    return { 3720, kRowTops[row], 492, 252 };
}
constexpr TwipsRect kBtnUp { 5040, 600, 852, 372 };
constexpr TwipsRect kBtnDown { 5040, 1200, 852, 372 };
constexpr TwipsRect kBtnStop { 5040, 1800, 852, 372 };
constexpr TwipsRect kFrmCalib { 240, 2880, 2772, 1212 };
constexpr TwipsRect kBtnCalibReset { 240, 600, 972, 372 };
constexpr TwipsRect kLblStep { 1440, 240, 1212, 252 };
constexpr TwipsRect kLblStepValue { 1440, 720, 1212, 252 };
constexpr TwipsRect kLblCommand { 240, 4320, 3675, 252 };
constexpr TwipsRect kCmbCommand { 240, 4560, 3675, 315 };
constexpr TwipsRect kBtnSend { 3960, 4560, 735, 315 };
// Room the status bar keeps around its text, in pixels.
constexpr int kStatusMargin = 16;

enum Row { AccelRow, VelRow, DistRow };

QLabel *makeLabel(QWidget *parent, const char *name, const TwipsRect &rect, const QString &text,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = TwipsLayout::make<QLabel>(parent, name, rect);
    label->setText(text);
    label->setAlignment(alignment);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const TwipsRect &rect,
                        const QString &text)
{
    auto *button = TwipsLayout::make<QPushButton>(parent, name, rect);
    button->setText(text);
    // Outside a dialog a push button ignores Enter unless it is auto-default; with it, Enter on a
    // focused button presses that button, as on a dialog.
    button->setAutoDefault(true);
    return button;
}

QScrollBar *makeScrollBar(QWidget *parent, const char *name, const TwipsRect &rect)
{
    auto *scrollBar = TwipsLayout::make<QScrollBar>(parent, name, rect);
    scrollBar->setOrientation(Qt::Horizontal);
    scrollBar->setFocusPolicy(Qt::StrongFocus);
    return scrollBar;
}

} // namespace

frmMotorControl::frmMotorControl(SerialPort &port, MessageBoxes &messageBoxes, QWidget *parent)
    : QMainWindow(parent)
    , MSComm1(port)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmMotorControl"));
    //: The main window's title; %1 is the program's name.
    setWindowTitle(tr("%1 - Motor Control").arg(AppInfo::title()));
    setWindowIcon(AppInfo::windowIcon());

    createControls();
    createMenus();

    lblPortState = new QLabel(this);
    lblPortState->setObjectName(QStringLiteral("lblPortState"));
    statusBar()->addWidget(lblPortState, 1);
    lblClassState = new QLabel(this);
    lblClassState->setObjectName(QStringLiteral("lblClassState"));
    lblClassState->hide();
    statusBar()->addPermanentWidget(lblClassState);
    statusBar()->setSizeGripEnabled(false);

    connect(btnUp, &QPushButton::clicked, this, &frmMotorControl::btnUp_Click);
    connect(btnDown, &QPushButton::clicked, this, &frmMotorControl::btnDown_Click);
    connect(btnStop, &QPushButton::clicked, this, &frmMotorControl::btnStop_Click);
    connect(btnCalibReset, &QPushButton::clicked, this, &frmMotorControl::btnCalibReset_Click);
    connect(btnSend, &QPushButton::clicked, this, &frmMotorControl::btnSend_Click);
    connect(optMN, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optMN_Click();
    });
    connect(optMC, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optMC_Click();
    });
    connect(hscrollAccel, &QScrollBar::valueChanged, this, &frmMotorControl::hscrollAccel_Change);
    connect(hscrollAccel, &QScrollBar::sliderMoved, this, &frmMotorControl::hscrollAccel_Scroll);
    connect(hscrollVel, &QScrollBar::valueChanged, this, &frmMotorControl::hscrollVel_Change);
    connect(hscrollVel, &QScrollBar::sliderMoved, this, &frmMotorControl::hscrollVel_Scroll);
    connect(hscrollDist, &QScrollBar::valueChanged, this, &frmMotorControl::hscrollDist_Change);
    connect(hscrollDist, &QScrollBar::sliderMoved, this, &frmMotorControl::hscrollDist_Scroll);
    connect(&MSComm1, &SerialPort::OnComm, this, &frmMotorControl::MSComm1_OnComm);
    connect(&MSComm1, &SerialPort::stateChanged, this, &frmMotorControl::onPortStateChanged);

    Form_Load();
    showPortState();

    // The client area keeps its design size; the menu and status bars come on top of it.
    setFixedSize(sizeHint());
}

void frmMotorControl::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(TwipsLayout::toPixels(kClientArea.width, kClientArea.height));
    setCentralWidget(client);

    const auto right = Qt::AlignRight | Qt::AlignVCenter;

    frmSettings = TwipsLayout::make<QGroupBox>(client, "frmSettings", kFrmSettings);
    frmSettings->setTitle(tr("Motor Settings"));
    optMN = TwipsLayout::make<QRadioButton>(frmSettings, "optMN", kOptMN);
    optMN->setText(tr("Normal Mode"));
    optMN->setToolTip(tr("Motor moves a set distance"));
    optMN->setChecked(true);
    optMC = TwipsLayout::make<QRadioButton>(frmSettings, "optMC", kOptMC);
    optMC->setText(tr("Continuous Mode (resets counter)"));
    optMC->setToolTip(tr("Motor moves continously until Stop button pressed"));

    lblAccel
        = makeLabel(frmSettings, "lblAccel", rowName(AccelRow), tr("Acceleration (rps^2)"), right);
    lblAccel->setToolTip(tr("Adjust acceleration of motor (rps^2)"));
    hscrollAccel = makeScrollBar(frmSettings, "hscrollAccel", rowScroll(AccelRow));
    lblAccelValue = makeLabel(frmSettings, "lblAccelValue", rowValue(AccelRow), {}, right);
    lblAccelValue->setToolTip(tr("Value of acceleration of motor (rps^2)"));

    lblVel = makeLabel(frmSettings, "lblVel", rowName(VelRow), tr("Velocity (rps)"), right);
    lblVel->setToolTip(tr("Adjust velocity of motor (rps)"));
    hscrollVel = makeScrollBar(frmSettings, "hscrollVel", rowScroll(VelRow));
    lblVelValue = makeLabel(frmSettings, "lblVelValue", rowValue(VelRow), {}, right);
    lblVelValue->setToolTip(tr("Value of velocity of motor (rps)"));

    lblDist
        = makeLabel(frmSettings, "lblDist", rowName(DistRow), tr("Distance (rotations)"), right);
    lblDist->setToolTip(tr("Adjust distance for motor to move (rotations)"));
    hscrollDist = makeScrollBar(frmSettings, "hscrollDist", rowScroll(DistRow));
    lblDistValue = makeLabel(frmSettings, "lblDistValue", rowValue(DistRow), {}, right);
    lblDistValue->setToolTip(tr("Value of distance for motor to move (rotations)"));

    // The scroll bars have no caption of their own: their row's name label names them.
    lblAccel->setBuddy(hscrollAccel);
    lblVel->setBuddy(hscrollVel);
    lblDist->setBuddy(hscrollDist);

    btnUp = makeButton(client, "btnUp", kBtnUp, tr("Up"));
    btnUp->setToolTip(tr("Move ramp up"));
    btnDown = makeButton(client, "btnDown", kBtnDown, tr("Down"));
    btnDown->setToolTip(tr("Move ramp down"));
    btnStop = makeButton(client, "btnStop", kBtnStop, tr("Stop"));
    btnStop->setToolTip(tr("Stop motor immediately"));

    frmCalib = TwipsLayout::make<QGroupBox>(client, "frmCalib", kFrmCalib);
    frmCalib->setTitle(tr("Step Accumulator"));
    btnCalibReset = makeButton(frmCalib, "btnCalibReset", kBtnCalibReset, tr("Reset"));
    lblStep = makeLabel(frmCalib, "lblStep", kLblStep, tr("Step Counter"), right);
    lblStepValue = makeLabel(frmCalib, "lblStepValue", kLblStepValue, m_steps.displayText(), right);

    lblCommand
        = makeLabel(client, "lblCommand", kLblCommand, tr("Enter manual motor commands here:"));
    cmbCommand = TwipsLayout::make<QComboBox>(client, "cmbCommand", kCmbCommand);
    cmbCommand->setEditable(true);
    // Sent commands are not recorded in the list.
    cmbCommand->setInsertPolicy(QComboBox::NoInsert);
    // The command goes out exactly as typed. The combo box's own completer would finish "v1" as
    // "v10" and, when editing ends, replace "G" by the list's "g", because it matches without
    // regard to case; a case-sensitive completer over no entries completes nothing and lets only
    // an exact match select a list entry, which leaves the text as it is.
    auto *exactOnly = new QCompleter(QStringList(), cmbCommand);
    exactOnly->setCaseSensitivity(Qt::CaseSensitive);
    cmbCommand->setCompleter(exactOnly);
    cmbCommand->setToolTip(tr("Type or select motor commands here"));
    lblCommand->setBuddy(cmbCommand);
    btnSend = makeButton(client, "btnSend", kBtnSend, tr("Send"));
    btnSend->setToolTip(tr("Send the command to the motor"));
    btnSend->setAccessibleDescription(tr("Enter anywhere in the window presses Send"));

    const QList<QWidget *> focusOrder { optMN,         optMC,      hscrollAccel, hscrollVel,
                                        hscrollDist,   btnUp,      btnDown,      btnStop,
                                        btnCalibReset, cmbCommand, btnSend };
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

void frmMotorControl::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = mnuFile->addAction(tr("Exit"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    // Ctrl+C would shadow Copy in the command box; the platform's Quit key does not.
    const QKeySequence quit(QKeySequence::Quit);
    mnuFileExit->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);
    connect(mnuFileExit, &QAction::triggered, this, &frmMotorControl::mnuFileExit_Click);

    QMenu *mnuTools = menuBar()->addMenu(tr("Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuToolsCalc = mnuTools->addAction(tr("Friction Calculator"));
    mnuToolsCalc->setObjectName(QStringLiteral("mnuToolsCalc"));
    mnuToolsCalc->setShortcut(QKeySequence(Qt::Key_F2));
    connect(mnuToolsCalc, &QAction::triggered, this, &frmMotorControl::calculatorRequested);
    mnuToolsResults = mnuTools->addAction(tr("Results"));
    mnuToolsResults->setObjectName(QStringLiteral("mnuToolsResults"));
    mnuToolsResults->setShortcut(QKeySequence(Qt::Key_F3));
    connect(mnuToolsResults, &QAction::triggered, this, &frmMotorControl::resultsRequested);
    mnuToolsMonitor = mnuTools->addAction(tr("Serial Monitor"));
    mnuToolsMonitor->setObjectName(QStringLiteral("mnuToolsMonitor"));
    mnuToolsMonitor->setShortcut(QKeySequence(Qt::Key_F4));
    connect(mnuToolsMonitor, &QAction::triggered, this, &frmMotorControl::serialMonitorRequested);
    mnuToolsClassResults = mnuTools->addAction(QStringLiteral("Class Results"));
    mnuToolsClassResults->setObjectName(QStringLiteral("mnuToolsClassResults"));
    mnuToolsClassResults->setShortcut(QKeySequence(Qt::Key_F5));
    connect(mnuToolsClassResults, &QAction::triggered, this,
            &frmMotorControl::classResultsRequested);

    QMenu *mnuOptions = menuBar()->addMenu(tr("Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptionsPort = mnuOptions->addAction(tr("Port Properties..."));
    mnuOptionsPort->setObjectName(QStringLiteral("mnuOptionsPort"));
    connect(mnuOptionsPort, &QAction::triggered, this, &frmMotorControl::portPropertiesRequested);
    mnuOptionsPortMap = mnuOptions->addAction(tr("Port Map..."));
    mnuOptionsPortMap->setObjectName(QStringLiteral("mnuOptionsPortMap"));
    connect(mnuOptionsPortMap, &QAction::triggered, this, &frmMotorControl::portMapRequested);
    mnuOptionsClassServer = mnuOptions->addAction(QStringLiteral("Class Server..."));
    mnuOptionsClassServer->setObjectName(QStringLiteral("mnuOptionsClassServer"));
    connect(mnuOptionsClassServer, &QAction::triggered, this,
            &frmMotorControl::classServerRequested);

    QMenu *mnuHelp = menuBar()->addMenu(tr("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout = mnuHelp->addAction(tr("About Tiltbench..."));
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMotorControl::aboutRequested);

    // Until the window manager says it can open them.
    for (QAction *action :
         { mnuToolsCalc, mnuToolsResults, mnuToolsMonitor, mnuToolsClassResults, mnuOptionsPort,
           mnuOptionsPortMap, mnuOptionsClassServer, mnuHelpAbout })
        action->setEnabled(false);
}

void frmMotorControl::Form_Load()
{
    m_modeCommand = QStringLiteral("MN");

    setUpScrollBar(hscrollVel, 10, 2, 1, 5);
    setUpScrollBar(hscrollAccel, 10, 2, 1, 5);
    setUpScrollBar(hscrollDist, 30000, 1000, 20, 10000);

    // A missing or busy port 1 does not stop the program: the operator is told, and can still use
    // the calculator and choose a working port in Port Properties.
    CommError error = MSComm1.setCommPort(1);
    if (!error)
        error = MSComm1.setSettings(QStringLiteral("9600,N,8,1"));
    if (!error)
        error = MSComm1.setPortOpen(true);
    MSComm1.setRThreshold(1);
    if (error)
        showError(PortMessages::describe(error));

    cmbCommand->addItems({ QStringLiteral("v10"), QStringLiteral("g"), QStringLiteral("s") });
    cmbCommand->setCurrentIndex(-1);
    cmbCommand->clearEditText();
}

void frmMotorControl::setUpScrollBar(QScrollBar *bar, int maximum, int largeStep, int smallStep,
                                     int value)
{
    // In this order: the value comes last, so that it lands inside the new range and its Change
    // handler writes the label.
    bar->setMinimum(0);
    bar->setMaximum(maximum);
    bar->setPageStep(largeStep);
    bar->setSingleStep(smallStep);
    bar->setValue(value);
}

void frmMotorControl::btnUp_Click()
{
    move(MotorCommands::Direction::Up);
}

void frmMotorControl::btnDown_Click()
{
    move(MotorCommands::Direction::Down);
}

void frmMotorControl::move(MotorCommands::Direction direction)
{
    const auto commands = MotorCommands::move(direction, hscrollAccel->value(), hscrollVel->value(),
                                              hscrollDist->value(), m_modeCommand);
    if (!write(commands))
        return;
    // The count takes the distance the bar shows now, after the writes.
    const std::int32_t distance = hscrollDist->value();
    subStepUpdate(direction == MotorCommands::Direction::Up ? distance : -distance);
}

void frmMotorControl::btnStop_Click()
{
    if (write({ MotorCommands::stop() }))
        subStepReset();
}

void frmMotorControl::btnCalibReset_Click()
{
    subStepReset();
}

void frmMotorControl::optMC_Click()
{
    m_modeCommand = QStringLiteral("MC");
    setDistanceControlsEnabled(false);
    subStepReset();
}

void frmMotorControl::optMN_Click()
{
    m_modeCommand = QStringLiteral("MN");
    setDistanceControlsEnabled(true);
    subStepReset();
}

void frmMotorControl::setDistanceControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *> {
             hscrollDist, lblDist, lblDistValue, frmCalib, btnCalibReset, lblStep, lblStepValue })
        w->setEnabled(enabled);
}

void frmMotorControl::subStepUpdate(std::int32_t stepincr)
{
    if (!m_steps.add(stepincr)) {
        showError(
            tr("Overflow: the step count cannot go beyond %1 to %2 steps. The count stays at %3; "
               "press Reset to start counting again.")
                .arg(std::numeric_limits<std::int32_t>::min())
                .arg(std::numeric_limits<std::int32_t>::max())
                .arg(m_steps.count()));
        return;
    }
    lblStepValue->setText(m_steps.displayText());
}

void frmMotorControl::subStepReset()
{
    m_steps.reset();
    lblStepValue->setText(m_steps.displayText());
}

void frmMotorControl::btnSend_Click()
{
    const QString text = cmbCommand->currentText();
    // Sending a stand-in for a character the line cannot carry would give the indexer a command
    // nobody typed; the text stays in the field for the operator to mend.
    if (const auto unsendable = MotorCommands::firstUnsendable(text)) {
        showError(tr("The command was not sent: the character \"%1\" at position %2 cannot be "
                     "sent to the indexer, which takes only Latin-1 characters. Replace it, then "
                     "press Send again.")
                      .arg(unsendable->character)
                      .arg(unsendable->position));
        return;
    }
    if (write({ MotorCommands::console(text) }))
        cmbCommand->clearEditText();
}

void frmMotorControl::MSComm1_OnComm()
{
    // Whatever the indexer sends back is taken out of the port and dropped.
    if (MSComm1.CommEvent() == SerialPort::Receive)
        MSComm1.Input();
}

void frmMotorControl::hscrollAccel_Change()
{
    lblAccelValue->setText(QString::number(hscrollAccel->value()));
}

// While the thumb is dragged, its position runs ahead of the value.
void frmMotorControl::hscrollAccel_Scroll()
{
    lblAccelValue->setText(QString::number(hscrollAccel->sliderPosition()));
}

void frmMotorControl::hscrollVel_Change()
{
    lblVelValue->setText(QString::number(hscrollVel->value()));
}

void frmMotorControl::hscrollVel_Scroll()
{
    lblVelValue->setText(QString::number(hscrollVel->sliderPosition()));
}

void frmMotorControl::hscrollDist_Change()
{
    lblDistValue->setText(QString::number(hscrollDist->value()));
}

void frmMotorControl::hscrollDist_Scroll()
{
    lblDistValue->setText(QString::number(hscrollDist->sliderPosition()));
}

void frmMotorControl::mnuFileExit_Click()
{
    const auto answer
        = m_messageBoxes.show(this, MessageBoxes::Icon::Question, MessageBoxes::Buttons::OkCancel,
                              tr("Confirm Exit"), tr("OK to quit?"));
    if (answer != MessageBoxes::Answer::Ok)
        return;
    emit exitConfirmed();
    close();
}

bool frmMotorControl::write(const QList<QByteArray> &commands)
{
    std::optional<CommError> refusal;
    for (const QByteArray &command : commands) {
        const CommError error = MSComm1.Output(command);
        if (!error)
            continue;
        if (!refusal)
            refusal = error;
        // A closed port takes nothing until it opens again, which cannot happen before this
        // press is over: the rest of the press is offered all the same, so that the port's record
        // shows everything that did not go out. After any other refusal nothing more is offered,
        // since a later command must not reach the indexer without the ones before it.
        const auto kind = error.fault.kind;
        if (kind != PortFault::Kind::NotOpen && kind != PortFault::Kind::Unplugged)
            break;
    }
    if (refusal)
        showError(PortMessages::describe(*refusal));
    return !refusal;
}

void frmMotorControl::showError(const QString &description)
{
    m_messageBoxes.warning(this, AppInfo::title(), description);
}

void frmMotorControl::showPortReopened(PortReopen why)
{
    // Said in brackets after the port's state on the status line.
    if (why == PortReopen::Reconnected) {
        //: The port opened again by itself after its adapter came back.
        m_portNote = tr("reconnected");
    } else {
        //: The port was opened again on the device just chosen in the port map.
        m_portNote = tr("new device");
    }
    showPortState();
}

void frmMotorControl::showClassState(const QString &state, const QString &details)
{
    lblClassState->setText(state);
    lblClassState->setToolTip(details);
    lblClassState->setVisible(!state.isEmpty());
    // The port's state gives up the room the class server's takes.
    showPortState();
}

void frmMotorControl::onPortStateChanged()
{
    m_portNote.clear();
    showPortState();
}

void frmMotorControl::showPortState()
{
    QString state = PortMessages::portState(MSComm1);
    if (!m_portNote.isEmpty() && MSComm1.PortOpen()) {
        //: The port's state on the status line, then why it opened by itself.
        state = tr("%1 (%2)").arg(state, m_portNote);
    }

    // The window has a fixed width; a long device path or reason gives way in its middle, so
    // that the start (the port and its state) and the end (the line settings, or the last words
    // of the reason) stay, and is shown whole in the tooltip.
    int room = TwipsLayout::toPixels(kClientArea.width) - kStatusMargin;
    if (lblClassState->isVisibleTo(this))
        room -= lblClassState->sizeHint().width() + kStatusMargin;
    lblPortState->setText(lblPortState->fontMetrics().elidedText(state, Qt::ElideMiddle, room));
    lblPortState->setToolTip(state);
}

void frmMotorControl::keyPressEvent(QKeyEvent *event)
{
    // The window's default button: Enter that no control took for itself presses Send.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        btnSend->click();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMotorControl::closeEvent(QCloseEvent *event)
{
    // The port closes with the main window, even while the calculator stays open; a port waiting
    // for its device stops waiting.
    (void)MSComm1.setPortOpen(false);
    QMainWindow::closeEvent(event);
}
