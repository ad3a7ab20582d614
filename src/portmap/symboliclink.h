#pragma once

#include <QString>

// The symbolic links of the port map, as the program and the simulated indexer write them (Linux
// and macOS; elsewhere there are none).
//
// A link is replaced in a single rename: a new link under a temporary name beside it, renamed over
// the old one, so that a program opening the port at that moment finds the old device or the new
// one, never no link at all. Something other than a link at the link's place is never replaced.
class SymbolicLink
{
public:
    enum class Kind { Nothing, Link, Other };
    enum class Outcome { Linked, NotALink, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Linked;
        // The system's own account of a failure.
        QString cause;
    };

    static Kind kindAt(const QString &path);

    // What the link at `path` points to, as written (not resolved); empty when there is no link.
    static QString target(const QString &path);

    // Points the link at `path` to `target`, creating or replacing it.
    static Result point(const QString &path, const QString &target);
};
