#pragma once

#include "linesettings.h"
#include "serialport.h"

QT_BEGIN_NAMESPACE
class QSerialPort;
QT_END_NAMESPACE

// The serial port over QSerialPort, on the user-interface thread. Port numbers become devices
// through PortMap. Every setting is checked against what the device really took (DeviceLine: not
// only against QSerialPort's answer, which reports success for some settings a device ignores), and
// a device that disappears while open is closed at once. Refusals come back as faults in the
// device's terms; the operator's sentences are made above this layer.
class QtSerialPort : public SerialPort
{
    Q_OBJECT

public:
    explicit QtSerialPort(QObject *parent = nullptr);
    ~QtSerialPort() override;

    int CommPort() const override { return m_commPort; }
    CommError setCommPort(int port) override;
    QString Settings() const override { return m_settings.toText(); }
    CommError setSettings(const QString &settings) override;
    bool PortOpen() const override;
    CommError setPortOpen(bool open) override;
    int RThreshold() const override { return m_rThreshold; }
    void setRThreshold(int threshold) override;
    int Handshaking() const override { return m_handshaking; }
    CommError setHandshaking(int handshaking) override;
    CommError Output(const QByteArray &bytes) override;
    QByteArray Input() override;
    int CommEvent() const override { return m_commEvent; }
    QString devicePath() const override;
    QString deviceName() const override;
    PortFault closedReason() const override { return m_closedReason; }
    // Closed because its device went away or was not there at the last open, so that it may open
    // again when the device returns.
    bool deviceMissing() const override;

private:
    // A fault of this port: its number and device filled in.
    PortFault fault(PortFault::Kind kind) const;
    CommError openDevice();
    // Why an open of `device` failed, as far as it can be told apart.
    CommError openFailure(const QString &device);
    void closeDevice();
    CommError applyLine(const LineSettings &settings);
    CommError applyHandshaking(int handshaking);
    CommError closeUnrestorable(CommError error);
    CommError deviceRefused(PortFault::Setting setting, int value);
    void onReadyRead();
    void onErrorOccurred(int error);

    QSerialPort *m_port;
    int m_commPort = 1;
    LineSettings m_settings;
    int m_handshaking = NoHandshaking;
    int m_rThreshold = 0;
    int m_commEvent = NoEvent;
    QString m_openDevice;
    QString m_openName;
    PortFault m_closedReason;
    bool m_closing = false;
};
