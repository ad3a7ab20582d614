#pragma once

// The port map dialog: the operator picks the device for each of the ports Com1 to Com4 from the
// system's list of serial devices, or types a path, and OK writes the port map's links.
//
// PortMapEditor holds the logic without a window: the drop-down texts for devices and back, each
// row's state, and applying the choices (links written through PortMapWriter, and the open port
// reopened when its own row changed). frmPortMap only shows rows and reads them back.

#include "commerror.h"
#include "portmapwriter.h"
#include "serialdevice.h"

#include <QList>
#include <QMap>
#include <QString>

class DeviceList;
class SerialPort;

class PortMapEditor
{
public:
    static constexpr int kPorts = 4;

    enum class State { Present, Missing, InUse };

    // What port N's place in the map holds now.
    struct Current
    {
        // The link's target as written; for something that is not a link, its own path; empty
        // for no link (the default device).
        QString device;
        bool notALink = false;
    };

    struct Refusal
    {
        int port = 0;
        PortMapWriter::Result result;
    };

    struct Applied
    {
        // Rows the map could not take; every other row was written.
        QList<Refusal> refused;
        // The open port's own row changed, so it was closed and opened on its new device; when that
        // failed, the port stays closed and its closed reason says why.
        bool portReopened = false;
    };

    PortMapEditor(DeviceList &devices, SerialPort &port);

    // Asks the system for its devices again.
    void refresh();
    const QList<SerialDevice> &devices() const { return m_devices; }

    // The drop-down's first entry, which removes the link: "(default: /dev/ttyS0)", with what the
    // system says of that device when it lists it; "(default: none)" where the port has none.
    QString defaultText(int port) const;
    // How a listed device reads in the drop-down: its name, then what the system says of it.
    static QString deviceLabel(const SerialDevice &device);

    // The device a drop-down text of port `port` stands for: empty for the default, a listed
    // device's stable name, or the text itself as a typed path.
    QString deviceFor(int port, const QString &text) const;
    // The drop-down text for a device, the inverse of deviceFor.
    QString textFor(int port, const QString &device) const;

    static Current current(int port);
    State state(int port, const QString &device) const;

    // Writes each row whose device differs from the map, then reopens the open port if its row
    // was written. `chosen` holds the device of each port, empty for the default.
    Applied apply(const QMap<int, QString> &chosen);

private:
    DeviceList &m_deviceList;
    SerialPort &m_port;
    QList<SerialDevice> m_devices;
};
