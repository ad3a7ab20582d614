#include "qtdevicelist.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPortInfo>

namespace {

// Each device reached through a link in the folder, by the device's real path.
QHash<QString, QString> stableNames()
{
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link : byId.entryInfoList(QDir::System | QDir::Files, QDir::Name)) {
        const QString device = link.canonicalFilePath();
        // Two links to one device (never seen, but possible): the first by name wins, so the
        // choice is the same every time.
        if (!device.isEmpty() && !names.contains(device))
            names.insert(device, link.absoluteFilePath());
    }
    return names;
}

} // namespace

QList<SerialDevice> QtDeviceList::devices() const
{
    const QHash<QString, QString> names = stableNames();
    QList<SerialDevice> list;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const QString path = info.systemLocation();
        const QString canonical = QFileInfo(path).canonicalFilePath();
        list.append({ names.value(canonical, path), path, info.description(), info.manufacturer(),
                      info.serialNumber() });
    }
    return list;
}
