#pragma once

#include "linesettings.h"
#include "serialport.h"

QT_BEGIN_NAMESPACE
class QSerialPort;
QT_END_NAMESPACE

// The serial port over QSerialPort, on the user-interface thread. Port numbers become devices
// through PortMap. Every setting is checked against what the device really took (not only against
// QSerialPort's answer, which reports success for some settings a device ignores), and a device
// that disappears while open is closed at once.
class QtSerialPort : public SerialPort
{
    Q_OBJECT

public:
    // Why an open failed, as far as the operator can act on it.
    enum class OpenFailure { NoDevice, Busy, AccessDenied, Other };

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
    QString closedReason() const override { return m_closedReason; }
    bool deviceMissing() const override { return m_deviceMissing; }

    // The operator's message for an open of `port` (device `device`) that failed for `failure`;
    // `detail` is the system's own wording, used when nothing better is known.
    static CommError openError(int port, const QString &device, OpenFailure failure,
                               const QString &detail);

private:
    // What closedReason() says after an open failed: short enough for a status line.
    static QString openFailureReason(const QString &device, OpenFailure failure);
    // "Com1 (/dev/ttyUSB0)", or "Com1" without a device.
    static QString label(int port, const QString &device);

    // On failure *reason gets the short account of it that the status line shows.
    CommError openDevice(QString *reason);
    void closeDevice();
    CommError applyLine(const LineSettings &settings);
    CommError applyHandshaking(int handshaking);
    CommError closeUnrestorable(const CommError &error);
    CommError deviceRefused(const QString &what);
    // Why the port is closed, and whether because its device disappeared.
    void setClosedReason(const QString &reason, bool unplugged = false);
    QString portLabel() const;
    void onReadyRead();
    void onErrorOccurred(int error);

    QSerialPort *m_port;
    int m_commPort = 1;
    LineSettings m_settings;
    int m_handshaking = NoHandshaking;
    int m_rThreshold = 0;
    int m_commEvent = NoEvent;
    QString m_openDevice;
    QString m_closedReason;
    bool m_unplugged = false;
    bool m_deviceMissing = false;
    bool m_closing = false;
};
