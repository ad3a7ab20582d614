#pragma once

#include "datafiles.h"

#include <optional>

// A file that grows at its end, such as the Serial Monitor's log: opened once, then written a
// piece at a time, each piece handed to the system at once (nothing waits in a buffer of ours).
// A piece the file could not take whole is taken back, so the file always ends with a whole
// piece. One thread at a time; tests use a stand-in that fails when told.
class AppendFile
{
public:
    virtual ~AppendFile() = default;

    // Opens `path` for adding at its end, creating it and its folders when missing. Closes the
    // file that was open first.
    virtual std::optional<FileError> open(const QString &path) = 0;
    virtual std::optional<FileError> write(const QByteArray &bytes) = 0;
    virtual void close() = 0;
};
