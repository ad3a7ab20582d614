#pragma once

#include "motorcommands.h"
#include "stepaccumulator.h"

#include <QMainWindow>

QT_BEGIN_NAMESPACE
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
QT_END_NAMESPACE

class MessageBoxes;
class SerialPort;

// The motor control station: the program's start-up window and the operator's console for the ramp
// motor.
//
// The window owns nothing of the outside world: the serial port (MSComm1) and the message boxes are
// handed in, so that tests drive it with fakes. It composes commands with MotorCommands, counts
// steps with StepAccumulator, and writes through the port; every refusal of the port is shown in a
// warning box and the window goes on. The other windows are opened by whoever listens to the
// *Requested signals (the window manager); their menu items stay disabled until it enables them.
class frmMotorControl : public QMainWindow
{
    Q_OBJECT

public:
    frmMotorControl(SerialPort &MSComm1, MessageBoxes &messageBoxes, QWidget *parent = nullptr);

    // "Normal" ("MN") or "Continuous" ("MC"); rides along with every move.
    QString modeCommand() const { return m_modeCommand; }
    std::int32_t stepCount() const { return m_steps.count(); }

    void subStepUpdate(std::int32_t stepincr);
    void subStepReset();

    // Why the port just opened when the operator did not open it; said on the status line until
    // the port's state next changes.
    enum class PortReopen { Reconnected, NewDevice };
    void showPortReopened(PortReopen why);

    // The class server's state at the right of the status bar ("Class: connected"), with the
    // whole story in its tooltip; hidden while empty (no class server set).
    void showClassState(const QString &state, const QString &details);

    // The menu items, enabled by the window manager for the windows it can open.
    QAction *mnuFileExit = nullptr;
    QAction *mnuToolsCalc = nullptr;
    QAction *mnuToolsResults = nullptr;
    QAction *mnuToolsMonitor = nullptr;
    QAction *mnuToolsClassResults = nullptr;
    QAction *mnuOptionsPort = nullptr;
    // Absent where ports are not mapped by links; the window manager hides it there.
    QAction *mnuOptionsPortMap = nullptr;
    QAction *mnuOptionsClassServer = nullptr;
    QAction *mnuHelpAbout = nullptr;

signals:
    void calculatorRequested();
    void resultsRequested();
    void serialMonitorRequested();
    void classResultsRequested();
    void portPropertiesRequested();
    void portMapRequested();
    void classServerRequested();
    void aboutRequested();
    // The operator confirmed File > Exit; emitted before the main window closes, so that the
    // other windows close first.
    void exitConfirmed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();

    void btnUp_Click();
    void btnDown_Click();
    void btnStop_Click();
    void btnCalibReset_Click();
    void btnSend_Click();
    void optMN_Click();
    void optMC_Click();
    void hscrollAccel_Change();
    void hscrollAccel_Scroll();
    void hscrollVel_Change();
    void hscrollVel_Scroll();
    void hscrollDist_Change();
    void hscrollDist_Scroll();
    void MSComm1_OnComm();
    void mnuFileExit_Click();

    void move(MotorCommands::Direction direction);
    void setUpScrollBar(QScrollBar *bar, int maximum, int largeStep, int smallStep, int value);
    void setDistanceControlsEnabled(bool enabled);
    // Writes the commands one by one; at the first refusal shows it and returns false, and
    // nothing after it is sent.
    bool write(const QList<QByteArray> &commands);
    void showError(const QString &description);
    void showPortState();
    void onPortStateChanged();

    SerialPort &MSComm1;
    MessageBoxes &m_messageBoxes;
    QString m_modeCommand;
    StepAccumulator m_steps;
    QString m_portNote;

    QGroupBox *frmSettings = nullptr;
    QRadioButton *optMN = nullptr;
    QRadioButton *optMC = nullptr;
    QLabel *lblAccel = nullptr;
    QScrollBar *hscrollAccel = nullptr;
    QLabel *lblAccelValue = nullptr;
    QLabel *lblVel = nullptr;
    QScrollBar *hscrollVel = nullptr;
    QLabel *lblVelValue = nullptr;
    QLabel *lblDist = nullptr;
    QScrollBar *hscrollDist = nullptr;
    QLabel *lblDistValue = nullptr;
    QPushButton *btnUp = nullptr;
    QPushButton *btnDown = nullptr;
    QPushButton *btnStop = nullptr;
    QGroupBox *frmCalib = nullptr;
    QPushButton *btnCalibReset = nullptr;
    QLabel *lblStep = nullptr;
    QLabel *lblStepValue = nullptr;
    QLabel *lblCommand = nullptr;
    QComboBox *cmbCommand = nullptr;
    QPushButton *btnSend = nullptr;
    QLabel *lblPortState = nullptr;
    QLabel *lblClassState = nullptr;
};
