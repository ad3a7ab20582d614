#include "fakeserialport.h"

#include "linesettings.h"

FakeSerialPort::FakeSerialPort(QObject *parent)
    : SerialPort(parent)
{
}

CommError FakeSerialPort::refuse(int number, const QString &description) const
{
    return CommError { number, QStringLiteral("Com%1: %2").arg(m_commPort).arg(description) };
}

CommError FakeSerialPort::setCommPort(int port)
{
    if (m_open)
        return refuse(CommError::PortOpen, QStringLiteral("cannot change the port while open"));
    if (port < 1)
        return refuse(CommError::InvalidPort, QStringLiteral("invalid port number"));
    m_commPort = port;
    calls << QStringLiteral("CommPort=%1").arg(port);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::setSettings(const QString &settings)
{
    const auto parsed = LineSettings::parse(settings);
    if (!parsed)
        return refuse(CommError::InvalidPropertyValue, QStringLiteral("malformed settings"));
    if (m_refusedSettings.contains(settings))
        return refuse(CommError::SetCommStateFailed, m_refusedSettings.value(settings));
    m_settings = parsed->toText();
    calls << QStringLiteral("Settings=%1").arg(settings);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::setPortOpen(bool open)
{
    if (open == m_open)
        return open ? refuse(CommError::PortAlreadyOpen, QStringLiteral("already open"))
                    : CommError {};
    if (open && m_refusedPorts.contains(m_commPort)) {
        m_closedReason = m_refusedPorts.value(m_commPort);
        emit stateChanged();
        return refuse(CommError::InvalidPort, m_refusedPorts.value(m_commPort));
    }
    m_open = open;
    m_closedReason.clear();
    m_received.clear();
    calls << QStringLiteral("PortOpen=%1").arg(open ? "true" : "false");
    emit stateChanged();
    return {};
}

void FakeSerialPort::setRThreshold(int threshold)
{
    m_rThreshold = threshold;
    calls << QStringLiteral("RThreshold=%1").arg(threshold);
}

CommError FakeSerialPort::setHandshaking(int handshaking)
{
    if (handshaking < NoHandshaking || handshaking > XonXoffAndRtsCts)
        return refuse(CommError::InvalidPropertyValue, QStringLiteral("invalid handshaking"));
    if (m_refusedHandshaking.contains(handshaking))
        return refuse(CommError::SetCommStateFailed, m_refusedHandshaking.value(handshaking));
    m_handshaking = handshaking;
    calls << QStringLiteral("Handshaking=%1").arg(handshaking);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::Output(const QByteArray &bytes)
{
    if (!m_open)
        return refuse(CommError::PortNotOpen, QStringLiteral("port not open"));
    if (m_failWriteCountdown == 0) {
        m_failWriteCountdown = -1;
        return refuse(CommError::WriteFailed, m_failWriteDescription);
    }
    if (m_failWriteCountdown > 0)
        --m_failWriteCountdown;
    writes << bytes;
    return {};
}

QByteArray FakeSerialPort::Input()
{
    ++inputReads;
    return std::exchange(m_received, {});
}

QString FakeSerialPort::devicePath() const
{
    return QStringLiteral("/dev/fake%1").arg(m_commPort);
}

void FakeSerialPort::refuseOpen(int port, const QString &description)
{
    m_refusedPorts.insert(port, description);
}

void FakeSerialPort::refuseSettings(const QString &settings, const QString &description)
{
    m_refusedSettings.insert(settings, description);
}

void FakeSerialPort::refuseHandshaking(int value, const QString &description)
{
    m_refusedHandshaking.insert(value, description);
}

void FakeSerialPort::failWrite(int writesFromNow, const QString &description)
{
    m_failWriteCountdown = writesFromNow;
    m_failWriteDescription = description;
}

void FakeSerialPort::receive(const QByteArray &bytes)
{
    if (!m_open)
        return;
    m_received += bytes;
    if (m_rThreshold > 0 && m_received.size() >= m_rThreshold) {
        m_commEvent = Receive;
        emit OnComm();
        m_commEvent = NoEvent;
    }
}

void FakeSerialPort::unplug()
{
    m_open = false;
    m_closedReason = QStringLiteral("the device was disconnected");
    emit stateChanged();
}
