#pragma once

// The system room: the operating system's services the About box needs (the registry, the
// system-information tools, starting programs, file checks). QtCore only. It knows no window and
// no operator's sentence.

#include <QString>

// Starts other programs without waiting for them.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;

    // Starts the executable at the path with a normal window that takes the focus; false, with a
    // description in *error when given, when it could not be started.
    virtual bool start(const QString &path, QString *error = nullptr) = 0;
};
