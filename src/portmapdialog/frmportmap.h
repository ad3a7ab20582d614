#pragma once

#include "portmapeditor.h"

#include <QDialog>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QPushButton;
QT_END_NAMESPACE

class DeviceList;
class MessageBoxes;
class SerialPort;

// The "Serial Port Map" dialog. One row per port: its name (lblPort1..4, the buddy of the row's
// drop-down), the device drop-down (cboDevice1..4, editable for a typed path) and the state of the
// chosen device (lblState1..4).
class frmPortMap : public QDialog
{
    Q_OBJECT

public:
    frmPortMap(DeviceList &devices, SerialPort &port, MessageBoxes &messageBoxes,
               QWidget *parent = nullptr);

    // After OK: the open port was closed and opened again on the new device of its row.
    bool portReopened() const { return m_portReopened; }

private:
    struct Row
    {
        QLabel *lblPort = nullptr;
        QComboBox *cboDevice = nullptr;
        QLabel *lblState = nullptr;
    };

    void cmdRefresh_Click();
    void cmdOK_Click();
    void fillDevices(int port, const QString &device);
    void showState(int port);
    static QString stateText(PortMapEditor::State state);
    QString chosenDevice(int port) const;

    PortMapEditor m_editor;
    MessageBoxes &m_messageBoxes;
    bool m_portReopened = false;

    Row m_rows[PortMapEditor::kPorts];
    QPushButton *cmdRefresh = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};
