#pragma once

#include <QString>

// What the serial layer could not do, in the device's terms: which port and device, which value or
// setting, and the system's own account of the cause. It holds no advice for the operator; the
// layer above the serial room turns it into sentences. A default-constructed PortFault means
// nothing failed.
struct PortFault
{
    enum class Kind {
        None,
        // Values refused before any device is touched.
        MalformedSettings, // text: the settings text
        UnsupportedDataBits, // value: the data bits no port here can send
        UnsupportedStopBits, // 1.5 stop bits, which this system does not offer
        UnsupportedHandshaking, // value: a flow control this system cannot set
        UnknownHandshaking, // value: not a flow control at all
        InvalidPortNumber, // value: the number given
        RenumberWhileOpen,
        AlreadyOpen,
        // Opening the device.
        NoDevice, // device: empty when the port number stands for none; link: where the
                  // port's link would live, empty where ports are not mapped by links
        DanglingLink, // link: the port's link; device: the missing device it points to
        LinkLoop, // link: the port's link; device: where it points, which leads back round
        Busy, // another program holds the device
        AccessDenied, // group: the group that may open the device, empty when unknown
        OpenFailed, // systemCause
        // A line setting the open device did not take.
        SettingRefused, // setting, value; systemCause empty when the device simply ignored it
        // Sending.
        NotOpen,
        Unplugged, // device: the device that disappeared while open
        WriteFailed, // systemCause
    };

    // The line setting of a SettingRefused, with the meaning of `value`.
    enum class Setting {
        Speed, // bits per second
        DataBits, // 5 to 8
        Parity, // the parity letter, such as 'e'
        StopBits, // a LineSettings::StopBits
        Handshaking, // a SerialPort::HandshakingValue
        Line, // the whole settings text, in `text`, while opening
    };

    Kind kind = Kind::None;
    int port = 0;
    QString device;
    // The device as the operator named it for the port (the port map link's target as written,
    // such as a /dev/serial/by-id/ name), where that differs from `device`, which is what it
    // resolves to; empty otherwise.
    QString name;
    QString link;
    QString group;
    Setting setting = Setting::Line;
    int value = 0;
    QString text;
    // The system's wording of the cause (for example "Input/output error"); empty when none.
    QString systemCause;
    // After a SettingRefused on an open port: its previous setting could not be put back either,
    // so the port was closed.
    bool restoreFailed = false;

    bool failed() const { return kind != Kind::None; }
    bool operator==(const PortFault &) const = default;
};
