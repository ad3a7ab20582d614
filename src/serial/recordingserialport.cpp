#include "recordingserialport.h"

#include "trafficrecorder.h"

RecordingSerialPort::RecordingSerialPort(SerialPort &port, TrafficRecorder &recorder,
                                         QObject *parent)
    : SerialPort(parent)
    , m_port(port)
    , m_recorder(recorder)
    , m_wasOpen(port.PortOpen())
{
    connect(&m_port, &SerialPort::OnComm, this, &SerialPort::OnComm);
    connect(&m_port, &SerialPort::stateChanged, this, &RecordingSerialPort::portStateChanged);
}

CommError RecordingSerialPort::setSettings(const QString &settings)
{
    const QString before = Settings();
    const CommError error = m_port.setSettings(settings);
    if (!error && PortOpen() && Settings() != before)
        m_recorder.recordLine(TrafficEntry::Kind::Changed, CommPort(), line());
    return error;
}

CommError RecordingSerialPort::setHandshaking(int handshaking)
{
    const int before = Handshaking();
    const CommError error = m_port.setHandshaking(handshaking);
    if (!error && PortOpen() && Handshaking() != before)
        m_recorder.recordLine(TrafficEntry::Kind::Changed, CommPort(), line());
    return error;
}

CommError RecordingSerialPort::setPortOpen(bool open)
{
    // Opening a port whose device had gone away is its return, whoever asked for it (the watch
    // for the device, or the operator).
    m_opening = open && !m_port.deviceMissing();
    const PortFault reasonBefore = closedReason();
    const CommError error = m_port.setPortOpen(open);
    m_opening = false;
    // A port waiting for its device may be tried again and again (each second where devices are
    // not files); the same refusal once is enough, or it would push the traffic that led to it
    // out of the record.
    const PortFault reason = closedReason();
    if (open && error && !PortOpen() && reason != reasonBefore)
        m_recorder.recordFault(TrafficEntry::Kind::OpenFailed, CommPort(), reason);
    return error;
}

CommError RecordingSerialPort::Output(const QByteArray &bytes)
{
    const CommError error = m_port.Output(bytes);
    // The record shows what did not go out as well as what did.
    if (error)
        m_recorder.recordNotSent(CommPort(), bytes, error.fault);
    else
        m_recorder.recordSent(CommPort(), bytes);
    return error;
}

QByteArray RecordingSerialPort::Input()
{
    const QByteArray bytes = m_port.Input();
    m_recorder.recordReceived(CommPort(), bytes);
    return bytes;
}

void RecordingSerialPort::portStateChanged()
{
    const bool open = PortOpen();
    if (open != m_wasOpen) {
        m_wasOpen = open;
        if (open) {
            m_recorder.recordLine(m_opening ? TrafficEntry::Kind::Opened
                                            : TrafficEntry::Kind::Reconnected,
                                  CommPort(), line());
        } else {
            m_recorder.recordFault(TrafficEntry::Kind::Closed, CommPort(), closedReason());
        }
    }
    emit stateChanged();
}

PortLine RecordingSerialPort::line() const
{
    return { deviceName(), devicePath(), Settings(), Handshaking() };
}
