#include "portmessages.h"

#include "linesettings.h"
#include "serialport.h"
#include "trafficrecorder.h"

namespace {

QString chooseAnother()
{
    return PortMessages::tr("Choose another setting in Options > Port Properties...");
}

QString parityName(char parity)
{
    switch (parity) {
    case 'e':
        return PortMessages::tr("even parity");
    case 'o':
        return PortMessages::tr("odd parity");
    case 'm':
        return PortMessages::tr("mark parity");
    case 's':
        return PortMessages::tr("space parity");
    }
    return PortMessages::tr("no parity");
}

QString stopBitsName(LineSettings::StopBits stopBits)
{
    switch (stopBits) {
    case LineSettings::StopBits::One:
        return PortMessages::tr("1 stop bit");
    case LineSettings::StopBits::OnePointFive:
        return PortMessages::tr("1.5 stop bits");
    case LineSettings::StopBits::Two:
        return PortMessages::tr("2 stop bits");
    }
    return {};
}

QString handshakingName(int handshaking)
{
    switch (handshaking) {
    case SerialPort::NoHandshaking:
        return PortMessages::tr("no flow control");
    case SerialPort::XonXoff:
        return PortMessages::tr("Xon/Xoff flow control");
    case SerialPort::RtsCts:
        return PortMessages::tr("RTS/CTS flow control");
    }
    return PortMessages::tr("Xon/Xoff and RTS/CTS flow control together");
}

} // namespace

QString PortMessages::deviceText(const QString &name, const QString &device)
{
    if (name.isEmpty() || name == device)
        return device;
    if (device.isEmpty())
        return name;
    return QStringLiteral("%1 (%2)").arg(name, device);
}

QString PortMessages::label(const PortFault &fault)
{
    const QString port = QStringLiteral("Com%1").arg(fault.port);
    const QString device = deviceText(fault.name, fault.device);
    if (device.isEmpty())
        return port;
    // Brackets inside brackets read badly.
    if (device != fault.device && device != fault.name)
        return tr("%1 on %2").arg(port, device);
    return QStringLiteral("%1 (%2)").arg(port, device);
}

QString PortMessages::settingName(const PortFault &fault)
{
    switch (fault.setting) {
    case PortFault::Setting::Speed:
        return tr("a speed of %1 bits per second").arg(fault.value);
    case PortFault::Setting::DataBits:
        return tr("%1 data bits").arg(fault.value);
    case PortFault::Setting::Parity:
        return parityName(char(fault.value));
    case PortFault::Setting::StopBits:
        return stopBitsName(LineSettings::StopBits(fault.value));
    case PortFault::Setting::Handshaking:
        return handshakingName(fault.value);
    case PortFault::Setting::Line:
        break;
    }
    return tr("the settings %1").arg(fault.text);
}

QString PortMessages::describe(const CommError &error)
{
    using Kind = PortFault::Kind;
    const PortFault &fault = error.fault;
    const QString name = QStringLiteral("Com%1").arg(fault.port);
    const QString portAndDevice = label(fault);
    const QString device = deviceText(fault.name, fault.device);
    switch (fault.kind) {
    case Kind::None:
        break;
    case Kind::MalformedSettings:
        return tr("\"%1\" is not a line setting %2 can use. Give the speed, parity, "
                  "data bits and stop bits separated by commas, for example "
                  "9600,N,8,1.")
            .arg(fault.text, name);
    case Kind::UnsupportedDataBits:
        return tr("%1 cannot use %2 data bits: serial ports on this computer send 5 "
                  "to 8 data bits. %3")
            .arg(portAndDevice)
            .arg(fault.value)
            .arg(chooseAnother());
    case Kind::UnsupportedStopBits:
        return tr("%1 cannot use 1.5 stop bits: this system offers only 1 or 2 stop "
                  "bits. %2")
            .arg(portAndDevice, chooseAnother());
    case Kind::UnsupportedHandshaking:
        return tr("%1 cannot use Xon/Xoff and RTS/CTS flow control together. Choose "
                  "one of them, or None.")
            .arg(portAndDevice);
    case Kind::UnknownHandshaking:
        return tr("%1 is not a flow control for %2. Use 0 (None), 1 (Xon/Xoff), 2 "
                  "(RTS/CTS) or 3 (Xon/RTS).")
            .arg(fault.value)
            .arg(name);
    case Kind::InvalidPortNumber:
        return tr("%1 is not a port number. Port numbers start at 1 (Com1).").arg(fault.value);
    case Kind::RenumberWhileOpen:
        return tr("%1 is open, so the port number cannot change. Close the port "
                  "first, then choose the new one.")
            .arg(portAndDevice);
    case Kind::AlreadyOpen:
        return tr("%1 is already open.").arg(portAndDevice);
    case Kind::NoDevice: {
        if (fault.link.isEmpty()) {
            return tr("%1 could not be opened: there is no such port. Plug in the "
                      "adapter, or choose another port.")
                .arg(portAndDevice);
        }
        const QString what = fault.device.isEmpty()
            ? tr("%1 has no device").arg(name)
            : tr("%1 could not be opened: there is no device %2").arg(name, device);
        return tr("%1. Plug in the adapter, or choose its device in Options > Port "
                  "Map... (without the program: ln -s /dev/ttyUSB0 %2)")
            .arg(what, fault.link);
    }
    case Kind::DanglingLink:
        // Advising a new link when one is there would only make the operator's ln fail.
        return tr("%1 could not be opened: its link %2 points to %3, which does not "
                  "exist. Plug in the adapter, or choose its device in Options > "
                  "Port Map...")
            .arg(name, fault.link, fault.device);
    case Kind::LinkLoop:
        return tr("%1 could not be opened: its link %2 points to %3, which leads back "
                  "round in a loop of links and never reaches a device. Choose the "
                  "device in Options > Port Map...")
            .arg(name, fault.link, fault.device);
    case Kind::Busy:
        return tr("%1 could not be opened: another program is using it. Close that "
                  "program, or choose another port.")
            .arg(portAndDevice);
    case Kind::AccessDenied:
        if (!fault.group.isEmpty()) {
            return tr("%1 could not be opened: permission denied. Your user must be "
                      "in the %2 group: run sudo adduser $USER %2, then log out and "
                      "log in again.")
                .arg(portAndDevice, fault.group);
        }
        return tr("%1 could not be opened: permission denied. Ask the computer's "
                  "administrator to give your user access to the serial port.")
            .arg(portAndDevice);
    case Kind::OpenFailed:
        return tr("%1 could not be opened (%2). Check the device and its cable, then "
                  "try again.")
            .arg(portAndDevice, fault.systemCause);
    case Kind::SettingRefused: {
        const QString cause = fault.systemCause.isEmpty()
            ? tr("the device does not support it")
            : tr("the device refused it (%1)").arg(fault.systemCause);
        QString text = tr("%1 cannot use %2: %3. %4")
                           .arg(portAndDevice, settingName(fault), cause, chooseAnother());
        if (fault.restoreFailed) {
            text += u' '
                + tr("The port was closed, because its previous settings could not be restored "
                     "either.");
        }
        return text;
    }
    case Kind::NotOpen:
        return tr("%1 is not open, so nothing was sent. Open it in Options > Port "
                  "Properties...")
            .arg(portAndDevice);
    case Kind::Unplugged:
        return tr("%1 is closed because %2, so nothing was sent. Plug the device "
                  "back in: the port opens again by itself.")
            .arg(name, closedReason(fault));
    case Kind::WriteFailed:
        return tr("%1 did not take the bytes to send (%2). Check the device and its "
                  "cable, then try again.")
            .arg(portAndDevice, fault.systemCause);
    }
    return {};
}

QString PortMessages::closedReason(const PortFault &reason)
{
    using Kind = PortFault::Kind;
    const QString device = deviceText(reason.name, reason.device);
    switch (reason.kind) {
    case Kind::NoDevice:
    case Kind::DanglingLink:
        return device.isEmpty() ? tr("there is no device for this port")
                                : tr("there is no device %1").arg(device);
    case Kind::LinkLoop:
        return tr("its link %1 leads round in a loop").arg(reason.link);
    case Kind::Busy:
        return tr("another program is using %1").arg(device);
    case Kind::AccessDenied:
        return tr("permission denied for %1").arg(device);
    case Kind::OpenFailed:
        return tr("%1 could not be opened").arg(device);
    case Kind::SettingRefused:
        if (reason.restoreFailed)
            return tr("the previous settings of %1 could not be restored").arg(device);
        return tr("the device %1 refused the settings %2").arg(device, reason.text);
    case Kind::Unplugged:
        return tr("the device %1 was disconnected").arg(device);
    default:
        return {};
    }
}

QString PortMessages::portState(const SerialPort &port)
{
    const QString name = QStringLiteral("Com%1").arg(port.CommPort());
    if (port.PortOpen()) {
        return tr("%1 open: %2, %3")
            .arg(name, deviceText(port.deviceName(), port.devicePath()), port.Settings());
    }
    const QString reason = closedReason(port.closedReason());
    return reason.isEmpty() ? tr("%1 closed").arg(name) : tr("%1 closed: %2").arg(name, reason);
}

QString PortMessages::lineText(const PortLine &line)
{
    QString text = deviceText(line.name, line.device) + QStringLiteral(", ") + line.settings;
    if (line.handshaking != SerialPort::NoHandshaking)
        text += QStringLiteral(", ") + handshakingName(line.handshaking);
    return text;
}

QString PortMessages::portEvent(const TrafficEntry &entry, const QString &bytesText)
{
    using Kind = TrafficEntry::Kind;
    const QString port = QStringLiteral("Com%1").arg(entry.port);
    switch (entry.kind) {
    case Kind::Opened:
        return tr("%1 opened: %2").arg(port, lineText(entry.line));
    case Kind::Changed: {
        QString line = entry.line.settings;
        if (entry.line.handshaking != SerialPort::NoHandshaking)
            line += QStringLiteral(", ") + handshakingName(entry.line.handshaking);
        return tr("%1 changed: %2").arg(port, line);
    }
    case Kind::Reconnected:
        return tr("%1 reconnected: %2").arg(port, lineText(entry.line));
    case Kind::Closed: {
        const QString reason = closedReason(entry.fault);
        return reason.isEmpty() ? tr("%1 closed").arg(port) : tr("%1 closed: %2").arg(port, reason);
    }
    case Kind::OpenFailed: {
        const QString reason = closedReason(entry.fault);
        return reason.isEmpty() ? tr("%1 could not be opened").arg(port)
                                : tr("%1 could not be opened: %2").arg(port, reason);
    }
    case Kind::NotSent: {
        QString why;
        switch (entry.fault.kind) {
        case PortFault::Kind::NotOpen:
            why = tr("the port is closed");
            break;
        case PortFault::Kind::Unplugged:
            why = tr("the port is closed, because %1").arg(closedReason(entry.fault));
            break;
        case PortFault::Kind::WriteFailed:
            why = tr("the device did not take it (%1)").arg(entry.fault.systemCause);
            break;
        default:
            why = describe(CommError { CommError::WriteFailed, entry.fault });
            break;
        }
        return tr("%1 did not send %2: %3").arg(port, bytesText, why);
    }
    case Kind::Sent:
    case Kind::Received:
        break;
    }
    return {};
}
