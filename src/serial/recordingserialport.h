#pragma once

#include "serialport.h"

class TrafficRecorder;
struct PortLine;

// A serial port that tells a TrafficRecorder what passes through another one: every write that the
// port took, every write it refused (nothing of it went out), everything read from it, and each
// time it opens, closes or changes its settings. The windows use it in place of the port it wraps
// and notice nothing else.
//
// An open of a port whose device had gone away, or one that nobody asked for through this object,
// is recorded as a reconnection; a close that nobody asked for carries the port's fault. The
// recorder keeps facts; the monitor asks the operator layer for the words.
class RecordingSerialPort : public SerialPort
{
    Q_OBJECT

public:
    RecordingSerialPort(SerialPort &port, TrafficRecorder &recorder, QObject *parent = nullptr);

    int CommPort() const override { return m_port.CommPort(); }
    CommError setCommPort(int port) override { return m_port.setCommPort(port); }
    QString Settings() const override { return m_port.Settings(); }
    CommError setSettings(const QString &settings) override;
    bool PortOpen() const override { return m_port.PortOpen(); }
    CommError setPortOpen(bool open) override;
    int RThreshold() const override { return m_port.RThreshold(); }
    void setRThreshold(int threshold) override { m_port.setRThreshold(threshold); }
    int Handshaking() const override { return m_port.Handshaking(); }
    CommError setHandshaking(int handshaking) override;
    CommError Output(const QByteArray &bytes) override;
    QByteArray Input() override;
    int CommEvent() const override { return m_port.CommEvent(); }
    QString devicePath() const override { return m_port.devicePath(); }
    QString deviceName() const override { return m_port.deviceName(); }
    PortFault closedReason() const override { return m_port.closedReason(); }
    bool deviceMissing() const override { return m_port.deviceMissing(); }

private:
    void portStateChanged();
    PortLine line() const;

    SerialPort &m_port;
    TrafficRecorder &m_recorder;
    bool m_wasOpen;
    bool m_opening = false;
};
