#pragma once

#include <QString>

// The lock a running simulator holds on the port-map link it publishes: the file <link>.lock
// beside the link, locked (flock) for as long as the simulator runs, with its process id in it for
// whoever finds it locked. A second simulator pointed at the same link finds it locked and leaves
// the link alone: otherwise it would take the link over, and remove it when it ended, leaving the
// first one running where nothing can reach it.
//
// The system lets go of the lock when its process ends, however it ends, so a lock left by a
// process that was killed is free and taken over; its file stays until the next simulator takes
// it and removes it when done.
class LinkLock
{
public:
    enum class Outcome { Taken, Held, Failed };

    struct Result
    {
        Outcome outcome = Outcome::Taken;
        // Held: the process that holds it, as its file says (0 when the file does not say).
        qint64 holder = 0;
        // Failed: the system's own account.
        QString cause;
    };

    explicit LinkLock(const QString &linkPath);
    ~LinkLock();
    LinkLock(const LinkLock &) = delete;
    LinkLock &operator=(const LinkLock &) = delete;

    const QString &path() const { return m_path; }

    // Takes the lock, without waiting. The link's folder must exist.
    Result take();

private:
    QString m_path;
    int m_fd = -1;
};
