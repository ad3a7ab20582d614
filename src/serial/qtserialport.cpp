#include "qtserialport.h"

#include "deviceline.h"
#include "portmap.h"

#include <QFileInfo>
#include <QSerialPort>

#if defined(Q_OS_UNIX)
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>

namespace {

QSerialPort::Parity toQt(char parity)
{
    switch (parity) {
    case 'e':
        return QSerialPort::EvenParity;
    case 'o':
        return QSerialPort::OddParity;
    case 'm':
        return QSerialPort::MarkParity;
    case 's':
        return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits toQt(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::One:
        return QSerialPort::OneStop;
    case LineSettings::StopBits::OnePointFive:
        return QSerialPort::OneAndHalfStop;
    case LineSettings::StopBits::Two:
        return QSerialPort::TwoStop;
    }
    return QSerialPort::OneStop;
}

QSerialPort::FlowControl flowToQt(int handshaking)
{
    switch (handshaking) {
    case SerialPort::XonXoff:
        return QSerialPort::SoftwareControl;
    case SerialPort::RtsCts:
    case SerialPort::XonXoffAndRtsCts:
        return QSerialPort::HardwareControl;
    }
    return QSerialPort::NoFlowControl;
}

// QSerialPort says "permission" both for a device someone else holds (its lock file, or the
// exclusive mode the holder set) and for one this user may not open at all.
bool accessDenied([[maybe_unused]] const QString &device)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0 && errno == EACCES;
#else
    return false;
#endif
}

// The group whose members may open the device (such as dialout), or empty when that is not a
// group a user is meant to join.
QString accessGroup([[maybe_unused]] const QString &device)
{
#ifdef Q_OS_LINUX
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(device).constData(), &info) != 0 || info.st_gid == 0
        || (info.st_mode & S_IRWXG) != (S_IRGRP | S_IWGRP))
        return {};
    if (const group *entry = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(entry->gr_name);
#endif
    return {};
}

// Whether following the link at `path` goes round in a circle (or through more links than the
// system follows), rather than ending at something missing.
bool isLinkLoop([[maybe_unused]] const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ELOOP;
#else
    return false;
#endif
}

} // namespace

QtSerialPort::QtSerialPort(QObject *parent)
    : SerialPort(parent)
    , m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, &QtSerialPort::onReadyRead);
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onErrorOccurred(error); });
}

QtSerialPort::~QtSerialPort()
{
    // No stateChanged from a dying object.
    m_closing = true;
    if (m_port->isOpen())
        m_port->close();
}

PortFault QtSerialPort::fault(PortFault::Kind kind) const
{
    PortFault fault;
    fault.kind = kind;
    fault.port = m_commPort;
    fault.device = devicePath();
    const QString name = deviceName();
    if (name != fault.device)
        fault.name = name;
    return fault;
}

bool QtSerialPort::deviceMissing() const
{
    switch (m_closedReason.kind) {
    case PortFault::Kind::Unplugged:
    case PortFault::Kind::NoDevice:
    case PortFault::Kind::DanglingLink:
    case PortFault::Kind::LinkLoop:
        return !m_port->isOpen();
    default:
        return false;
    }
}

CommError QtSerialPort::setCommPort(int port)
{
    // Renumbering an open port would leave it talking to the old device under the new name.
    if (m_port->isOpen())
        return { CommError::PortOpen, fault(PortFault::Kind::RenumberWhileOpen) };
    if (port < 1) {
        PortFault invalid = fault(PortFault::Kind::InvalidPortNumber);
        invalid.value = port;
        return { CommError::InvalidPort, invalid };
    }
    m_commPort = port;
    // The reason belonged to the old device.
    m_closedReason = {};
    emit stateChanged();
    return {};
}

CommError QtSerialPort::setSettings(const QString &settings)
{
    const auto parsed = LineSettings::parse(settings);
    if (!parsed) {
        PortFault malformed = fault(PortFault::Kind::MalformedSettings);
        malformed.text = settings;
        return { CommError::InvalidPropertyValue, malformed };
    }
    // No serial port here has 4 data bits, and termios has no 1.5 stop bits (QSerialPort would
    // quietly use 1): refuse these before they reach a device.
    if (parsed->dataBits == 4) {
        PortFault unsupported = fault(PortFault::Kind::UnsupportedDataBits);
        unsupported.value = 4;
        return { CommError::InvalidPropertyValue, unsupported };
    }
#ifdef Q_OS_UNIX
    if (parsed->stopBits == LineSettings::StopBits::OnePointFive)
        return { CommError::InvalidPropertyValue, fault(PortFault::Kind::UnsupportedStopBits) };
#endif
    if (m_port->isOpen()) {
        if (const CommError error = applyLine(*parsed)) {
            // Put the device back the way it was, so the port stays usable at its old settings.
            if (applyLine(m_settings))
                return closeUnrestorable(error);
            return error;
        }
    }
    m_settings = *parsed;
    emit stateChanged();
    return {};
}

bool QtSerialPort::PortOpen() const
{
    return m_port->isOpen();
}

CommError QtSerialPort::setPortOpen(bool wanted)
{
    if (!wanted) {
        // Closing on request also ends the wait for a device that went away: a port closed on
        // purpose is not opened again behind the operator's back.
        if (m_port->isOpen() || m_closedReason.failed()) {
            if (m_port->isOpen())
                closeDevice();
            m_closedReason = {};
            emit stateChanged();
        }
        return {};
    }
    if (m_port->isOpen())
        return { CommError::PortAlreadyOpen, fault(PortFault::Kind::AlreadyOpen) };
    const CommError error = openDevice();
    emit stateChanged();
    return error;
}

CommError QtSerialPort::openDevice()
{
    const QString device = PortMap::devicePath(m_commPort);
    if (device.isEmpty())
        return openFailure(device);

    // Open at a line every device can do, then apply the chosen settings one by one, so that a
    // refusal names the setting instead of failing the whole open.
    m_port->setPortName(device);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite))
        return openFailure(device);
    m_openDevice = device;
    m_openName = PortMap::deviceName(m_commPort);
    CommError error = applyLine(m_settings);
    if (!error)
        error = applyHandshaking(m_handshaking);
    if (error) {
        closeDevice();
        PortFault reason = fault(PortFault::Kind::SettingRefused);
        reason.text = Settings();
        m_closedReason = reason;
        return error;
    }
    m_closedReason = {};
    return {};
}

CommError QtSerialPort::openFailure(const QString &device)
{
    PortFault failure = fault(PortFault::Kind::OpenFailed);
    failure.device = device;
    const QString name = PortMap::deviceName(m_commPort);
    failure.name = name != device ? name : QString();
    int number = CommError::InvalidPort;
    const QString link = PortMap::linkPath(m_commPort);
    const bool missing = device.isEmpty() || m_port->error() == QSerialPort::DeviceNotFoundError
        || !QFileInfo::exists(device);
    if (missing) {
        failure.link = link;
        // A link that is there but leads nowhere (an adapter unplugged) is a different matter
        // from a port that has no link at all, and a link that leads back round to itself is
        // neither.
        const bool linked = !device.isEmpty() && !link.isEmpty() && QFileInfo(link).isSymLink();
        failure.kind = !linked ? PortFault::Kind::NoDevice
            : isLinkLoop(link) ? PortFault::Kind::LinkLoop
                               : PortFault::Kind::DanglingLink;
    } else if (m_port->error() == QSerialPort::PermissionError) {
        if (accessDenied(device)) {
            failure.kind = PortFault::Kind::AccessDenied;
            failure.group = accessGroup(device);
            number = CommError::AccessDenied;
        } else {
            failure.kind = PortFault::Kind::Busy;
            number = CommError::PortAlreadyOpen;
        }
    } else {
        failure.systemCause = m_port->errorString();
    }
    m_port->clearError();
    m_closedReason = failure;
    return { number, failure };
}

void QtSerialPort::closeDevice()
{
    m_openName.clear();
    // Closing can itself report errors (restoring the line of a device that is gone); they must
    // not start another close.
    m_closing = true;
    m_port->close();
    m_port->clearError();
    m_closing = false;
    m_openDevice.clear();
}

CommError QtSerialPort::closeUnrestorable(CommError error)
{
    // A line in neither the old nor the new state must not carry commands to the indexer.
    error.fault.restoreFailed = true;
    closeDevice();
    m_closedReason = error.fault;
    emit stateChanged();
    return error;
}

CommError QtSerialPort::deviceRefused(PortFault::Setting setting, int value)
{
    PortFault refused = fault(PortFault::Kind::SettingRefused);
    refused.setting = setting;
    refused.value = value;
    if (m_port->error() != QSerialPort::NoError)
        refused.systemCause = m_port->errorString();
    m_port->clearError();
    return { CommError::SetCommStateFailed, refused };
}

CommError QtSerialPort::applyLine(const LineSettings &settings)
{
    using Setting = PortFault::Setting;
    if (!m_port->setBaudRate(settings.baudRate)
        || !DeviceLine::read(m_port->handle()).hasSpeed(settings.baudRate)) {
        return deviceRefused(Setting::Speed, settings.baudRate);
    }
    if (!m_port->setDataBits(QSerialPort::DataBits(settings.dataBits))
        || !DeviceLine::read(m_port->handle()).hasDataBits(settings.dataBits)) {
        return deviceRefused(Setting::DataBits, settings.dataBits);
    }
    if (!m_port->setParity(toQt(settings.parity))
        || !DeviceLine::read(m_port->handle()).hasParity(settings.parity)) {
        return deviceRefused(Setting::Parity, settings.parity);
    }
    if (!m_port->setStopBits(toQt(settings.stopBits))
        || !DeviceLine::read(m_port->handle()).hasStopBits(settings.stopBits)) {
        return deviceRefused(Setting::StopBits, int(settings.stopBits));
    }
    return {};
}

CommError QtSerialPort::applyHandshaking(int handshaking)
{
    bool set = m_port->setFlowControl(flowToQt(handshaking));
    if (set && handshaking == XonXoffAndRtsCts)
        set = DeviceLine::addXonXoff(m_port->handle());
    if (!set || !DeviceLine::read(m_port->handle()).hasHandshaking(handshaking))
        return deviceRefused(PortFault::Setting::Handshaking, handshaking);
    return {};
}

void QtSerialPort::setRThreshold(int threshold)
{
    m_rThreshold = qMax(0, threshold);
}

CommError QtSerialPort::setHandshaking(int handshaking)
{
#ifdef Q_OS_WIN
    // QSerialPort offers one kind of flow control at a time, and here there is no line to add the
    // other to; taking 3 and quietly using one of them would let the indexer's Xon/Xoff or its RTS
    // line be ignored without anyone knowing.
    if (handshaking == XonXoffAndRtsCts) {
        PortFault unsupported = fault(PortFault::Kind::UnsupportedHandshaking);
        unsupported.value = handshaking;
        return { CommError::InvalidPropertyValue, unsupported };
    }
#endif
    if (handshaking < NoHandshaking || handshaking > XonXoffAndRtsCts) {
        PortFault unknown = fault(PortFault::Kind::UnknownHandshaking);
        unknown.value = handshaking;
        return { CommError::InvalidPropertyValue, unknown };
    }
    if (m_port->isOpen()) {
        if (const CommError error = applyHandshaking(handshaking)) {
            if (applyHandshaking(m_handshaking))
                return closeUnrestorable(error);
            return error;
        }
    }
    m_handshaking = handshaking;
    emit stateChanged();
    return {};
}

CommError QtSerialPort::Output(const QByteArray &bytes)
{
    if (!m_port->isOpen()) {
        if (m_closedReason.kind == PortFault::Kind::Unplugged)
            return { CommError::DeviceGone, m_closedReason };
        return { CommError::PortNotOpen, fault(PortFault::Kind::NotOpen) };
    }
    // QSerialPort queues the whole block and sends it from the event loop, so a short count means
    // the bytes were not taken at all, not that the line is slow.
    const qint64 written = m_port->write(bytes);
    if (written != bytes.size()) {
        PortFault failed = fault(PortFault::Kind::WriteFailed);
        failed.systemCause = m_port->errorString();
        m_port->clearError();
        return { CommError::WriteFailed, failed };
    }
    return {};
}

QByteArray QtSerialPort::Input()
{
    // Closing discards what was waiting, so a closed port has nothing to give.
    return m_port->isOpen() ? m_port->readAll() : QByteArray();
}

QString QtSerialPort::devicePath() const
{
    return m_port->isOpen() ? m_openDevice : PortMap::devicePath(m_commPort);
}

QString QtSerialPort::deviceName() const
{
    return m_port->isOpen() ? m_openName : PortMap::deviceName(m_commPort);
}

void QtSerialPort::onReadyRead()
{
    // Bytes left unread by the handler stay waiting and count again at the next arrival, as the
    // threshold means "this many waiting", not "this many new".
    if (m_rThreshold > 0 && m_port->bytesAvailable() >= m_rThreshold) {
        m_commEvent = Receive;
        emit OnComm();
        m_commEvent = NoEvent;
    }
}

void QtSerialPort::onErrorOccurred(int error)
{
    if (m_closing || !m_port->isOpen())
        return;
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        break;
    default:
        return; // refusals of single calls are reported by those calls
    }
    // The device is gone. QSerialPort would report the same error again on every turn of the
    // event loop, hundreds of thousands of times a second, until the port is closed.
    PortFault unplugged = fault(PortFault::Kind::Unplugged);
    unplugged.device = m_openDevice;
    closeDevice();
    m_closedReason = unplugged;
    emit stateChanged();
}
