#pragma once

#include <QString>

// Questions about files that the program asks the operating system.
class FileChecks
{
public:
    virtual ~FileChecks() = default;

    // Whether an ordinary file exists at the path: folders, hidden and system files do not count.
    virtual bool fileExists(const QString &path) const = 0;

    // The full path of a program found on the search path, or empty when there is none.
    virtual QString findExecutable(const QString &name) const = 0;
};
