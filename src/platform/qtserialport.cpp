#include "qtserialport.h"

#include "portmap.h"

#include <QFileInfo>
#include <QSerialPort>

#if defined(Q_OS_LINUX)
// termios2 carries the speed as a number, which is the only way to read back a non-standard speed.
// These kernel headers cannot share a file with <termios.h>.
#include <asm/termbits.h>
#include <sys/ioctl.h>
#include <unistd.h>
#elif defined(Q_OS_UNIX)
#include <termios.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdlib>

namespace {

// The device's line as the system reports it, to tell settings it took from settings it ignored
// while QSerialPort reported success (a pseudo-terminal, for one, drops parity and any size but 8
// data bits without an error).
struct LineState
{
    bool known = false;
    unsigned long cflag = 0;
    unsigned long iflag = 0;
    long long speed = -1; // -1: the system cannot tell
};

LineState readLineState([[maybe_unused]] qintptr handle)
{
    LineState state;
#if defined(Q_OS_LINUX)
    termios2 tio {};
    if (::ioctl(int(handle), TCGETS2, &tio) == 0) {
        state = { true, tio.c_cflag, tio.c_iflag, tio.c_ospeed };
    }
#elif defined(Q_OS_UNIX)
    termios tio {};
    if (::tcgetattr(int(handle), &tio) == 0)
        state = { true, tio.c_cflag, tio.c_iflag, -1 };
#endif
    return state;
}

#if defined(Q_OS_UNIX)
bool dataBitsTook(const LineState &s, int dataBits)
{
    if (!s.known)
        return true; // nothing to check against: QSerialPort's answer stands
    const unsigned long sizes[] = { CS5, CS6, CS7, CS8 };
    return dataBits >= 5 && dataBits <= 8 && (s.cflag & CSIZE) == sizes[dataBits - 5];
}

bool parityTook(const LineState &s, char parity)
{
    if (!s.known)
        return true;
    const bool enabled = s.cflag & PARENB;
    const bool odd = s.cflag & PARODD;
#ifdef CMSPAR
    const bool sticky = s.cflag & CMSPAR;
#else
    const bool sticky = parity == 'm' || parity == 's';
#endif
    switch (parity) {
    case 'n':
        return !enabled;
    case 'e':
        return enabled && !odd && !sticky;
    case 'o':
        return enabled && odd && !sticky;
    case 'm':
        return enabled && odd && sticky;
    case 's':
        return enabled && !odd && sticky;
    }
    return false;
}

bool stopBitsTook(const LineState &s, LineSettings::StopBits stopBits)
{
    if (!s.known)
        return true;
    return bool(s.cflag & CSTOPB) == (stopBits == LineSettings::StopBits::Two);
}

bool handshakingTook(const LineState &s, int handshaking)
{
    if (!s.known)
        return true;
    const bool hardware = s.cflag & CRTSCTS;
    const bool software = (s.iflag & IXON) && (s.iflag & IXOFF);
    const bool anySoftware = s.iflag & (IXON | IXOFF);
    switch (handshaking) {
    case SerialPort::NoHandshaking:
        return !hardware && !anySoftware;
    case SerialPort::XonXoff:
        return !hardware && software;
    case SerialPort::RtsCts:
        return hardware && !anySoftware;
    }
    return false;
}
#else
// Windows reports no line state to compare with; QSerialPort's answer is all there is.
bool dataBitsTook(const LineState &, int)
{
    return true;
}
bool parityTook(const LineState &, char)
{
    return true;
}
bool stopBitsTook(const LineState &, LineSettings::StopBits)
{
    return true;
}
bool handshakingTook(const LineState &, int)
{
    return true;
}
#endif

bool speedTook(const LineState &s, int speed)
{
    // Drivers may report the speed their divisor really gives; 2% is well inside what a UART
    // tolerates.
    return s.speed < 0 || std::llabs(s.speed - speed) * 50 <= speed;
}

QString parityName(char parity)
{
    switch (parity) {
    case 'e':
        return QStringLiteral("even parity");
    case 'o':
        return QStringLiteral("odd parity");
    case 'm':
        return QStringLiteral("mark parity");
    case 's':
        return QStringLiteral("space parity");
    }
    return QStringLiteral("no parity");
}

QString stopBitsName(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::One:
        return QStringLiteral("1 stop bit");
    case LineSettings::StopBits::OnePointFive:
        return QStringLiteral("1.5 stop bits");
    case LineSettings::StopBits::Two:
        return QStringLiteral("2 stop bits");
    }
    return {};
}

QString handshakingName(int handshaking)
{
    switch (handshaking) {
    case SerialPort::NoHandshaking:
        return QStringLiteral("no flow control");
    case SerialPort::XonXoff:
        return QStringLiteral("Xon/Xoff flow control");
    case SerialPort::RtsCts:
        return QStringLiteral("RTS/CTS flow control");
    }
    return QStringLiteral("Xon/Xoff and RTS/CTS flow control together");
}

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
    return handshaking == SerialPort::XonXoff ? QSerialPort::SoftwareControl
        : handshaking == SerialPort::RtsCts   ? QSerialPort::HardwareControl
                                              : QSerialPort::NoFlowControl;
}

const QString kChooseAnother
    = QStringLiteral("Choose another setting in Options > Port Properties...");

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

QString QtSerialPort::label(int port, const QString &device)
{
    const QString name = QStringLiteral("Com%1").arg(port);
    return device.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, device);
}

void QtSerialPort::setClosedReason(const QString &reason, bool unplugged)
{
    m_closedReason = reason;
    m_unplugged = unplugged;
    m_deviceMissing = unplugged;
}

QString QtSerialPort::portLabel() const
{
    return label(m_commPort, devicePath());
}

CommError QtSerialPort::setCommPort(int port)
{
    // Renumbering an open port would leave it talking to the old device under the new name.
    if (m_port->isOpen()) {
        return CommError { CommError::PortOpen,
                           QStringLiteral("%1 is open, so the port number cannot change. Close the "
                                          "port first, then choose the new one.")
                               .arg(portLabel()) };
    }
    if (port < 1) {
        return CommError {
            CommError::InvalidPort,
            QStringLiteral("%1 is not a port number. Port numbers start at 1 (Com1).").arg(port)
        };
    }
    m_commPort = port;
    // The reason belonged to the old device.
    setClosedReason({});
    emit stateChanged();
    return {};
}

CommError QtSerialPort::setSettings(const QString &settings)
{
    const auto parsed = LineSettings::parse(settings);
    if (!parsed) {
        return CommError { CommError::InvalidPropertyValue,
                           QStringLiteral(
                               "\"%1\" is not a line setting Com%2 can use. Give the speed, "
                               "parity, data bits and stop bits separated by commas, for "
                               "example 9600,N,8,1.")
                               .arg(settings, QString::number(m_commPort)) };
    }
    // No serial port here has 4 data bits, and termios has no 1.5 stop bits (QSerialPort would
    // quietly use 1): refuse these before they reach a device.
    if (parsed->dataBits == 4) {
        return CommError { CommError::InvalidPropertyValue,
                           QStringLiteral(
                               "%1 cannot use 4 data bits: serial ports on this computer "
                               "send 5 to 8 data bits. %2")
                               .arg(portLabel(), kChooseAnother) };
    }
#ifdef Q_OS_UNIX
    if (parsed->stopBits == LineSettings::StopBits::OnePointFive) {
        return CommError { CommError::InvalidPropertyValue,
                           QStringLiteral(
                               "%1 cannot use 1.5 stop bits: this system offers only 1 or 2 "
                               "stop bits. %2")
                               .arg(portLabel(), kChooseAnother) };
    }
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
        if (m_port->isOpen()) {
            closeDevice();
            setClosedReason({});
            emit stateChanged();
        }
        return {};
    }
    if (m_port->isOpen()) {
        return CommError { CommError::PortAlreadyOpen,
                           QStringLiteral("%1 is already open.").arg(portLabel()) };
    }
    QString reason;
    const CommError error = openDevice(&reason);
    if (error) {
        setClosedReason(reason);
        m_deviceMissing = error.number == CommError::InvalidPort
            && !QFileInfo::exists(PortMap::devicePath(m_commPort));
    }
    emit stateChanged();
    return error;
}

CommError QtSerialPort::openDevice(QString *reason)
{
    const QString device = PortMap::devicePath(m_commPort);
    if (device.isEmpty()) {
        *reason = openFailureReason(device, OpenFailure::NoDevice);
        return openError(m_commPort, device, OpenFailure::NoDevice, {});
    }

    // Open at a line every device can do, then apply the chosen settings one by one, so that a
    // refusal names the setting instead of failing the whole open.
    m_port->setPortName(device);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        OpenFailure failure = OpenFailure::Other;
        switch (m_port->error()) {
        case QSerialPort::DeviceNotFoundError:
            failure = OpenFailure::NoDevice;
            break;
        case QSerialPort::PermissionError:
            // QSerialPort says "permission" both for a device someone else holds (its lock file,
            // or the exclusive mode the holder set) and for one this user may not open at all.
#ifdef Q_OS_UNIX
            failure = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0
                    && errno == EACCES
                ? OpenFailure::AccessDenied
                : OpenFailure::Busy;
#else
            failure = OpenFailure::Busy;
#endif
            break;
        default:
            if (!QFileInfo::exists(device))
                failure = OpenFailure::NoDevice;
            break;
        }
        const CommError error = openError(m_commPort, device, failure, m_port->errorString());
        *reason = openFailureReason(device, failure);
        m_port->clearError();
        return error;
    }
    m_openDevice = device;
    CommError error = applyLine(m_settings);
    if (!error)
        error = applyHandshaking(m_handshaking);
    if (error) {
        closeDevice();
        *reason = QStringLiteral("the device %1 refused the settings %2").arg(device, Settings());
        return error;
    }
    setClosedReason({});
    return {};
}

void QtSerialPort::closeDevice()
{
    // Closing can itself report errors (restoring the line of a device that is gone); they must
    // not start another close.
    m_closing = true;
    m_port->close();
    m_port->clearError();
    m_closing = false;
    m_openDevice.clear();
}

CommError QtSerialPort::closeUnrestorable(const CommError &error)
{
    // A line in neither the old nor the new state must not carry commands to the indexer.
    const QString device = m_openDevice;
    closeDevice();
    setClosedReason(
        QStringLiteral("the previous settings of %1 could not be restored").arg(device));
    emit stateChanged();
    return { error.number,
             error.description
                 + QStringLiteral(" The port was closed, because its previous settings could not "
                                  "be restored either.") };
}

CommError QtSerialPort::deviceRefused(const QString &what)
{
    const QString reason = m_port->error() == QSerialPort::NoError
        ? QStringLiteral("the device does not support it")
        : QStringLiteral("the device refused it (%1)").arg(m_port->errorString());
    m_port->clearError();
    return {
        CommError::SetCommStateFailed,
        QStringLiteral("%1 cannot use %2: %3. %4").arg(portLabel(), what, reason, kChooseAnother)
    };
}

CommError QtSerialPort::applyLine(const LineSettings &settings)
{
    if (!m_port->setBaudRate(settings.baudRate)
        || !speedTook(readLineState(m_port->handle()), settings.baudRate)) {
        return deviceRefused(
            QStringLiteral("a speed of %1 bits per second").arg(settings.baudRate));
    }
    if (!m_port->setDataBits(QSerialPort::DataBits(settings.dataBits))
        || !dataBitsTook(readLineState(m_port->handle()), settings.dataBits)) {
        return deviceRefused(QStringLiteral("%1 data bits").arg(settings.dataBits));
    }
    if (!m_port->setParity(toQt(settings.parity))
        || !parityTook(readLineState(m_port->handle()), settings.parity)) {
        return deviceRefused(parityName(settings.parity));
    }
    if (!m_port->setStopBits(toQt(settings.stopBits))
        || !stopBitsTook(readLineState(m_port->handle()), settings.stopBits)) {
        return deviceRefused(stopBitsName(settings.stopBits));
    }
    return {};
}

CommError QtSerialPort::applyHandshaking(int handshaking)
{
    if (!m_port->setFlowControl(flowToQt(handshaking))
        || !handshakingTook(readLineState(m_port->handle()), handshaking)) {
        return deviceRefused(handshakingName(handshaking));
    }
    return {};
}

void QtSerialPort::setRThreshold(int threshold)
{
    m_rThreshold = qMax(0, threshold);
}

CommError QtSerialPort::setHandshaking(int handshaking)
{
    // QSerialPort offers one kind of flow control at a time; taking 3 and quietly using one of them
    // would let the indexer's Xon/Xoff or its RTS line be ignored without anyone knowing.
    if (handshaking == XonXoffAndRtsCts) {
        return CommError { CommError::InvalidPropertyValue,
                           QStringLiteral(
                               "%1 cannot use Xon/Xoff and RTS/CTS flow control together. "
                               "Choose one of them, or None.")
                               .arg(portLabel()) };
    }
    if (handshaking < NoHandshaking || handshaking > XonXoffAndRtsCts) {
        return CommError { CommError::InvalidPropertyValue,
                           QStringLiteral("%1 is not a flow control for Com%2. Use 0 (None), 1 "
                                          "(Xon/Xoff) or 2 (RTS/CTS).")
                               .arg(handshaking)
                               .arg(m_commPort) };
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
        if (m_unplugged) {
            return CommError { CommError::DeviceGone,
                               QStringLiteral(
                                   "Com%1 is closed because %2, so nothing was sent. Plug "
                                   "the device back in: the port opens again by itself.")
                                   .arg(m_commPort)
                                   .arg(m_closedReason) };
        }
        return CommError { CommError::PortNotOpen,
                           QStringLiteral(
                               "%1 is not open, so nothing was sent. Open it in Options > "
                               "Port Properties...")
                               .arg(portLabel()) };
    }
    // QSerialPort queues the whole block and sends it from the event loop, so a short count means
    // the bytes were not taken at all, not that the line is slow.
    const qint64 written = m_port->write(bytes);
    if (written != bytes.size()) {
        const QString detail = m_port->errorString();
        m_port->clearError();
        return CommError { CommError::WriteFailed,
                           QStringLiteral(
                               "%1 did not take the bytes to send (%2). Check the device "
                               "and its cable, then try again.")
                               .arg(portLabel(), detail) };
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
    const QString device = m_openDevice;
    closeDevice();
    setClosedReason(QStringLiteral("the device %1 was disconnected").arg(device), true);
    emit stateChanged();
}

QString QtSerialPort::openFailureReason(const QString &device, OpenFailure failure)
{
    switch (failure) {
    case OpenFailure::NoDevice:
        return device.isEmpty() ? QStringLiteral("there is no device for this port")
                                : QStringLiteral("there is no device %1").arg(device);
    case OpenFailure::Busy:
        return QStringLiteral("another program is using %1").arg(device);
    case OpenFailure::AccessDenied:
        return QStringLiteral("permission denied for %1").arg(device);
    case OpenFailure::Other:
        break;
    }
    return QStringLiteral("%1 could not be opened").arg(device);
}

CommError QtSerialPort::openError(int port, const QString &device, OpenFailure failure,
                                  const QString &detail)
{
    const QString name = QStringLiteral("Com%1").arg(port);
    const QString portAndDevice = label(port, device);
    switch (failure) {
    case OpenFailure::NoDevice: {
        const QString link = PortMap::linkPath(port);
        if (link.isEmpty()) {
            return { CommError::InvalidPort,
                     QStringLiteral("%1 could not be opened: there is no such port. Plug in the "
                                    "adapter, or choose another port.")
                         .arg(portAndDevice) };
        }
        const QString what = device.isEmpty()
            ? QStringLiteral("%1 has no device").arg(name)
            : QStringLiteral("%1 could not be opened: there is no device %2").arg(name, device);
        return { CommError::InvalidPort,
                 QStringLiteral("%1. Plug in the adapter, or point %2 at its device with a link, "
                                "for example: ln -s /dev/ttyUSB0 %3")
                     .arg(what, name, link) };
    }
    case OpenFailure::Busy:
        return { CommError::PortAlreadyOpen,
                 QStringLiteral("%1 could not be opened: another program is using it. Close that "
                                "program, or choose another port.")
                     .arg(portAndDevice) };
    case OpenFailure::AccessDenied:
#ifdef Q_OS_LINUX
        return { CommError::AccessDenied,
                 QStringLiteral("%1 could not be opened: permission denied. Your user must be in "
                                "the dialout group: run sudo adduser $USER dialout, then log out "
                                "and log in again.")
                     .arg(portAndDevice) };
#else
        return { CommError::AccessDenied,
                 QStringLiteral("%1 could not be opened: permission denied. Ask the computer's "
                                "administrator to give your user access to the serial port.")
                     .arg(portAndDevice) };
#endif
    case OpenFailure::Other:
        break;
    }
    return { CommError::InvalidPort,
             QStringLiteral("%1 could not be opened (%2). Check the device and its cable, then "
                            "try again.")
                 .arg(portAndDevice, detail) };
}
