#pragma once

#include "serialport.h"

#include <functional>

class TrafficRecorder;

// A serial port that tells a TrafficRecorder what passes through another one: every write that the
// port took, everything read from it, and each time it opens, closes or changes its settings. The
// windows use it in place of the port it wraps and notice nothing else.
//
// An open of a port whose device had gone away, or one that nobody asked for through this object,
// is recorded as a reconnection; a close that nobody asked for carries the port's reason, in the
// words that the layer above gives it (the status line's), since the port itself only knows the
// fault.
class RecordingSerialPort : public SerialPort
{
    Q_OBJECT

public:
    using ReasonText = std::function<QString(const PortFault &)>;

    RecordingSerialPort(SerialPort &port, TrafficRecorder &recorder, ReasonText reasonText,
                        QObject *parent = nullptr);

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
    PortFault closedReason() const override { return m_port.closedReason(); }
    bool deviceMissing() const override { return m_port.deviceMissing(); }

private:
    void portStateChanged();
    // The device and the line, as an opened or changed entry gives them.
    QString lineFacts(bool withDevice) const;

    SerialPort &m_port;
    TrafficRecorder &m_recorder;
    ReasonText m_reasonText;
    bool m_wasOpen;
    bool m_opening = false;
};
