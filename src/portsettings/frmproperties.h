#pragma once

// The serial port settings subsystem: the "Com Port Properties" dialog, which shows the main
// window's port (number, line settings, flow control) plus an echo choice, applies the operator's
// choices to that same port on OK, and records them in the settings store.
//
// The text handling lives apart from the window: LineSettingsText takes the port's settings text
// apart into list entries and builds it back; PortProperties writes the record. The dialog only
// reads its controls, talks to the port and shows the port's refusals.

#include "commerror.h"
#include "linesettingstext.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
QT_END_NAMESPACE

class MessageBoxes;
class SerialPort;
class SettingsStore;

// The option buttons of the two arrays are named by their index: "optEcho0" (Off), "optEcho1"
// (On), "optFlow0" (None) to "optFlow3" (Xon/RTS).
class frmProperties : public QDialog
{
    Q_OBJECT

public:
    frmProperties(SerialPort &MSComm1, MessageBoxes &messageBoxes, SettingsStore &store,
                  QWidget *parent = nullptr);

    // The flow-control choice, 0 to 3, as the selected optFlow button; -1 while none is selected
    // (the port reported a value outside 0 to 3). Set only by optFlow_Click.
    qint16 intFlow = -1;
    // The echo choice, as the selected optEcho button. Set only by optEcho_Click.
    bool blnEcho = false;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void LoadPropertySettings();
    void optFlow_Click(int Index);
    void optEcho_Click(int Index);
    void cmdOK_Click();
    void cmdCancel_Click();

    void centreOnScreen();
    QString chosenSettings() const;
    void refusePort(const CommError &error, int oldPort, bool wasOpen);
    void showError(const QString &text);

    SerialPort &MSComm1;
    MessageBoxes &m_messageBoxes;
    SettingsStore &m_store;
    // The fields as the port reported them at opening; a list left without a selection (a value it
    // does not offer) keeps the port's own field on OK.
    LineSettingsText::Fields m_reported;

    QTabWidget *tabSettings;
    QFrame *fraSettings;
    QLabel *Label1;
    QComboBox *cboPort;
    QGroupBox *Frame1;
    QComboBox *cboSpeed;
    QGroupBox *fraConnection;
    QLabel *Label3;
    QComboBox *cboDataBits;
    QLabel *Label4;
    QComboBox *cboParity;
    QLabel *Label5;
    QComboBox *cboStopBits;
    QGroupBox *Frame7;
    QRadioButton *optEcho[2];
    QButtonGroup *m_echoGroup;
    QGroupBox *Frame5;
    QRadioButton *optFlow[4];
    QButtonGroup *m_flowGroup;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
};
