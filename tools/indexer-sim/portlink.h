#pragma once

#include <QString>

// The symbolic link through which Tiltbench finds a port's device (PortMap::linkPath). The
// simulator publishes its pseudo-terminal there and takes the link away again when it ends.
//
// A link is only ever replaced when it points to a pseudo-terminal (a leftover of an earlier
// simulator run, even one whose terminal is gone). A link to anything else is someone's real
// indexer, and overwriting it would silently move their lab onto the simulator.
class PortLink
{
public:
    // Why the link at `path` must not be replaced; empty when nothing is there or it points to a
    // pseudo-terminal, present or gone.
    static QString refusalToReplace(const QString &path);

    explicit PortLink(const QString &path);
    ~PortLink();
    PortLink(const PortLink &) = delete;
    PortLink &operator=(const PortLink &) = delete;

    const QString &path() const { return m_path; }

    // Points the link at `device`, creating its folders; returns why it could not, or empty.
    QString publish(const QString &device);
    // Removes the link if it still points to the published device; someone who pointed it
    // elsewhere in the meantime keeps their link.
    void remove();

private:
    QString m_path;
    QString m_device;
};
