#include "portmapeditor.h"

#include "devicelist.h"
#include "portmap.h"
#include "serialport.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Two names for one device (a by-id link and the node it points to) compare equal.
bool sameDevice(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}

// The first entry of a port's device list, which stands for the port's own device.
QString defaultEntry(const QString &device)
{
    //: The first entry of a port's device list: the device the port has without a link.
    return QCoreApplication::translate("PortMapEditor", "(default: %1)").arg(device);
}

} // namespace

PortMapEditor::PortMapEditor(DeviceList &devices, SerialPort &port)
    : m_deviceList(devices)
    , m_port(port)
{
    refresh();
}

void PortMapEditor::refresh()
{
    m_devices = m_deviceList.devices();
}

QString PortMapEditor::defaultText(int port) const
{
    const QString path = PortMap::defaultDevicePath(port);
    if (path.isEmpty())
        //: The first entry of a port's device list, when the port has no device of its own.
        return QCoreApplication::translate("PortMapEditor", "(default: none)");
    for (const SerialDevice &device : m_devices) {
        if (device.systemPath == path)
            return defaultEntry(deviceLabel(device));
    }
    return defaultEntry(path);
}

QString PortMapEditor::deviceLabel(const SerialDevice &device)
{
    QStringList about;
    for (const QString &part : { device.description, device.manufacturer, device.serialNumber }) {
        if (!part.trimmed().isEmpty())
            about << part.trimmed();
    }
    const QString name = QFileInfo(device.systemPath).fileName();
    return about.isEmpty() ? name : QStringLiteral("%1: %2").arg(name, about.join(u", "));
}

QString PortMapEditor::deviceFor(int port, const QString &text) const
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == defaultText(port))
        return {};
    for (const SerialDevice &device : m_devices) {
        if (deviceLabel(device) == trimmed)
            return device.stableName;
    }
    return trimmed;
}

QString PortMapEditor::textFor(int port, const QString &device) const
{
    if (device.isEmpty())
        return defaultText(port);
    // A link made by hand may name the device by its system path rather than its stable name.
    for (const SerialDevice &d : m_devices) {
        if (device == d.stableName || device == d.systemPath)
            return deviceLabel(d);
    }
    return device;
}

PortMapEditor::Current PortMapEditor::current(int port)
{
    const QString path = PortMap::linkPath(port);
    const QFileInfo place(path);
    if (place.isSymLink())
        return { PortMapWriter::linkTarget(port), false };
    if (place.exists())
        return { path, true };
    return {};
}

PortMapEditor::State PortMapEditor::state(int port, const QString &device) const
{
    const QString path = device.isEmpty() ? PortMap::defaultDevicePath(port) : device;
    if (path.isEmpty())
        return State::Missing;
    if (m_port.PortOpen() && m_port.CommPort() == port && sameDevice(path, m_port.devicePath()))
        return State::InUse;
    return QFileInfo::exists(path) ? State::Present : State::Missing;
}

PortMapEditor::Applied PortMapEditor::apply(const QMap<int, QString> &chosen)
{
    Applied applied;
    bool openRowWritten = false;
    for (auto it = chosen.cbegin(); it != chosen.cend(); ++it) {
        const Current now = current(it.key());
        if (it.value() == now.device)
            continue;
        const PortMapWriter::Result result = now.notALink
            ? PortMapWriter::Result { PortMapWriter::Outcome::NotALink, {} }
            : PortMapWriter::setDevice(it.key(), it.value());
        switch (result.outcome) {
        case PortMapWriter::Outcome::Linked:
        case PortMapWriter::Outcome::Removed:
            if (m_port.PortOpen() && m_port.CommPort() == it.key())
                openRowWritten = true;
            break;
        case PortMapWriter::Outcome::Unchanged:
            break;
        case PortMapWriter::Outcome::NotALink:
        case PortMapWriter::Outcome::Failed:
            applied.refused.append({ it.key(), result });
            break;
        }
    }

    if (openRowWritten) {
        // The port keeps its settings and flow control across a close and an open.
        (void)m_port.setPortOpen(false);
        applied.portReopened = !m_port.setPortOpen(true) && m_port.PortOpen();
    }
    return applied;
}
