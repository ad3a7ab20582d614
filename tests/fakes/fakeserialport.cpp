#include "fakeserialport.h"

#include "linesettings.h"

FakeSerialPort::FakeSerialPort(QObject *parent)
    : SerialPort(parent)
{
}

CommError FakeSerialPort::refuse(int number, PortFault::Kind kind) const
{
    PortFault fault;
    fault.kind = kind;
    fault.port = m_commPort;
    fault.device = devicePath();
    return { number, fault };
}

CommError FakeSerialPort::setCommPort(int port)
{
    if (m_open)
        return refuse(CommError::PortOpen, PortFault::Kind::RenumberWhileOpen);
    if (port < 1) {
        CommError error = refuse(CommError::InvalidPort, PortFault::Kind::InvalidPortNumber);
        error.fault.value = port;
        return error;
    }
    m_commPort = port;
    calls << QStringLiteral("CommPort=%1").arg(port);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::setSettings(const QString &settings)
{
    const auto parsed = LineSettings::parse(settings);
    if (!parsed) {
        CommError error
            = refuse(CommError::InvalidPropertyValue, PortFault::Kind::MalformedSettings);
        error.fault.text = settings;
        return error;
    }
    if (m_refusedSettings.contains(settings)) {
        CommError error = refuse(CommError::SetCommStateFailed, PortFault::Kind::SettingRefused);
        error.fault.setting = PortFault::Setting::Line;
        error.fault.text = settings;
        return error;
    }
    m_settings = parsed->toText();
    calls << QStringLiteral("Settings=%1").arg(settings);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::setPortOpen(bool open)
{
    if (open == m_open)
        return open ? refuse(CommError::PortAlreadyOpen, PortFault::Kind::AlreadyOpen)
                    : CommError {};
    if (open && m_refusedPorts.contains(m_commPort)) {
        const CommError error = refuse(CommError::InvalidPort, m_refusedPorts.value(m_commPort));
        m_closedReason = error.fault;
        emit stateChanged();
        return error;
    }
    m_open = open;
    m_closedReason = {};
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
    if (handshaking < NoHandshaking || handshaking > XonXoffAndRtsCts) {
        CommError error
            = refuse(CommError::InvalidPropertyValue, PortFault::Kind::UnknownHandshaking);
        error.fault.value = handshaking;
        return error;
    }
    if (m_refusedHandshaking.contains(handshaking)) {
        CommError error = refuse(CommError::SetCommStateFailed, PortFault::Kind::SettingRefused);
        error.fault.setting = PortFault::Setting::Handshaking;
        error.fault.value = handshaking;
        return error;
    }
    m_handshaking = handshaking;
    calls << QStringLiteral("Handshaking=%1").arg(handshaking);
    emit stateChanged();
    return {};
}

CommError FakeSerialPort::Output(const QByteArray &bytes)
{
    if (!m_open) {
        if (m_closedReason.kind == PortFault::Kind::Unplugged)
            return { CommError::DeviceGone, m_closedReason };
        return refuse(CommError::PortNotOpen, PortFault::Kind::NotOpen);
    }
    if (m_failWriteCountdown == 0) {
        m_failWriteCountdown = -1;
        CommError error = refuse(CommError::WriteFailed, PortFault::Kind::WriteFailed);
        error.fault.systemCause = m_failWriteCause;
        return error;
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
    return m_devices.value(m_commPort, QStringLiteral("/dev/fake%1").arg(m_commPort));
}

void FakeSerialPort::setDevice(int port, const QString &device)
{
    m_devices.insert(port, device);
}

void FakeSerialPort::refuseOpen(int port, PortFault::Kind reason)
{
    m_refusedPorts.insert(port, reason);
}

void FakeSerialPort::refuseSettings(const QString &settings)
{
    m_refusedSettings << settings;
}

void FakeSerialPort::refuseHandshaking(int value)
{
    m_refusedHandshaking << value;
}

void FakeSerialPort::failWrite(int writesFromNow, const QString &cause)
{
    m_failWriteCountdown = writesFromNow;
    m_failWriteCause = cause;
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
    m_closedReason = refuse(CommError::DeviceGone, PortFault::Kind::Unplugged).fault;
    m_open = false;
    emit stateChanged();
}
