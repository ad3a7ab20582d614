#pragma once

#include "serialport.h"

#include <QHash>
#include <QList>
#include <QStringList>

// A serial port for tests. It behaves like the real layer (settings read back in lower case, no
// renumbering while open, no writes while closed) and records every call, and it can be told to
// refuse an open, a settings text, a handshaking value or a write.
class FakeSerialPort : public SerialPort
{
    Q_OBJECT

public:
    explicit FakeSerialPort(QObject *parent = nullptr);

    int CommPort() const override { return m_commPort; }
    CommError setCommPort(int port) override;
    QString Settings() const override { return m_settings; }
    CommError setSettings(const QString &settings) override;
    bool PortOpen() const override { return m_open; }
    CommError setPortOpen(bool open) override;
    int RThreshold() const override { return m_rThreshold; }
    void setRThreshold(int threshold) override;
    int Handshaking() const override { return m_handshaking; }
    CommError setHandshaking(int handshaking) override;
    CommError Output(const QByteArray &bytes) override;
    QByteArray Input() override;
    int CommEvent() const override { return m_commEvent; }
    QString devicePath() const override;
    PortFault closedReason() const override { return m_closedReason; }

    // Scripting. Port N is the device /dev/fakeN unless told otherwise.
    void setDevice(int port, const QString &device);
    // Opening the port fails for this reason; the fault names the port and its device.
    void refuseOpen(int port, PortFault::Kind reason = PortFault::Kind::NoDevice);
    // The device does not take this settings text.
    void refuseSettings(const QString &settings);
    // The device does not take this flow control.
    void refuseHandshaking(int value);
    // The write that comes `writesFromNow` successful writes from now fails, once, with the
    // system's wording `cause`.
    void failWrite(int writesFromNow, const QString &cause = QStringLiteral("write failed"));
    // Characters from the device: raise OnComm as the real layer would.
    void receive(const QByteArray &bytes);
    // The device disappears while open.
    void unplug();

    // What happened. Every successful Output is one entry; calls records each setter call that was
    // accepted, as "Name=value" (for example "PortOpen=true").
    QList<QByteArray> writes;
    QStringList calls;
    int inputReads = 0;

private:
    CommError refuse(int number, PortFault::Kind kind) const;

    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    bool m_open = false;
    int m_rThreshold = 0;
    int m_handshaking = 0;
    int m_commEvent = NoEvent;
    QByteArray m_received;
    PortFault m_closedReason;

    QHash<int, QString> m_devices;
    QHash<int, PortFault::Kind> m_refusedPorts;
    QStringList m_refusedSettings;
    QList<int> m_refusedHandshaking;
    int m_failWriteCountdown = -1;
    QString m_failWriteCause;
};
