#pragma once

#include <QString>

// Changes the port map (see PortMap): points port N's link at a device, or removes it so that the
// port goes back to its default device.
//
// A new link replaces the old one in a single rename, so a program opening the port at that
// moment finds either the old device or the new one, never no link at all. Only links are ever
// replaced or removed: a file or device someone put at the link's place stays as it is.
class PortMapWriter
{
public:
    enum class Outcome {
        Unchanged, // the link already said so
        Linked,
        Removed,
        NotALink, // something other than a link is in the link's place; left alone
        Failed, // the system refused; detail says why
    };

    struct Result
    {
        Outcome outcome = Outcome::Unchanged;
        // The system's own account of a failure.
        QString detail;
    };

    // Points port `port` at `device`; an empty device removes the link.
    static Result setDevice(int port, const QString &device);

    // What port `port`'s link points to, as written (not resolved); empty when there is no link.
    static QString linkTarget(int port);
};
