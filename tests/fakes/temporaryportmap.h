#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A private port map for one test: XDG_CONFIG_HOME points at a temporary folder for the map's
// lifetime (and back to what it was afterwards), so the links made with link() alone decide which
// device each port number opens.
class TemporaryPortMap
{
public:
    TemporaryPortMap();
    ~TemporaryPortMap();
    TemporaryPortMap(const TemporaryPortMap &) = delete;
    TemporaryPortMap &operator=(const TemporaryPortMap &) = delete;

    bool isValid() const { return m_config.isValid(); }

    // The configuration folder that stands in for ~/.config.
    QString path() const { return m_config.path(); }

    // Makes port N the device: <config>/Tiltbench/ports/comN links to it.
    bool link(int port, const QString &device);

private:
    QTemporaryDir m_config;
    QByteArray m_savedXdg;
};
