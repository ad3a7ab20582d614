#include "recordingserialport.h"

#include "trafficrecorder.h"

namespace {

QString handshakingFacts(int handshaking)
{
    switch (handshaking) {
    case SerialPort::XonXoff:
        return QStringLiteral(", Xon/Xoff");
    case SerialPort::RtsCts:
        return QStringLiteral(", RTS/CTS");
    case SerialPort::XonXoffAndRtsCts:
        return QStringLiteral(", Xon/Xoff and RTS/CTS");
    }
    return {};
}

} // namespace

RecordingSerialPort::RecordingSerialPort(SerialPort &port, TrafficRecorder &recorder,
                                         ReasonText reasonText, QObject *parent)
    : SerialPort(parent)
    , m_port(port)
    , m_recorder(recorder)
    , m_reasonText(std::move(reasonText))
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
        m_recorder.recordPortEvent(TrafficEntry::Kind::Changed, CommPort(), lineFacts(false));
    return error;
}

CommError RecordingSerialPort::setHandshaking(int handshaking)
{
    const int before = Handshaking();
    const CommError error = m_port.setHandshaking(handshaking);
    if (!error && PortOpen() && Handshaking() != before)
        m_recorder.recordPortEvent(TrafficEntry::Kind::Changed, CommPort(), lineFacts(false));
    return error;
}

CommError RecordingSerialPort::setPortOpen(bool open)
{
    // Opening a port whose device had gone away is its return, whoever asked for it (the watch
    // for the device, or the operator).
    m_opening = open && !m_port.deviceMissing();
    const QString reasonBefore = m_reasonText(closedReason());
    const CommError error = m_port.setPortOpen(open);
    m_opening = false;
    // A port waiting for its device may be tried again and again (each second where devices are
    // not files); the same refusal once is enough, or it would push the traffic that led to it
    // out of the record.
    const QString reason = m_reasonText(closedReason());
    if (open && error && !PortOpen() && reason != reasonBefore)
        m_recorder.recordPortEvent(TrafficEntry::Kind::OpenFailed, CommPort(), reason);
    return error;
}

CommError RecordingSerialPort::Output(const QByteArray &bytes)
{
    const CommError error = m_port.Output(bytes);
    if (!error)
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
            m_recorder.recordPortEvent(m_opening ? TrafficEntry::Kind::Opened
                                                 : TrafficEntry::Kind::Reconnected,
                                       CommPort(), lineFacts(true));
        } else {
            m_recorder.recordPortEvent(TrafficEntry::Kind::Closed, CommPort(),
                                       m_reasonText(closedReason()));
        }
    }
    emit stateChanged();
}

QString RecordingSerialPort::lineFacts(bool withDevice) const
{
    const QString line = Settings() + handshakingFacts(Handshaking());
    return withDevice ? devicePath() + QStringLiteral(", ") + line : line;
}
