#pragma once

#include <QString>
#include <QtGlobal>

// The system registry, reduced to the three calls that reading one value needs. The calls keep the
// shape of the Windows registry functions (status codes, a caller's buffer, a size passed in and
// out) so that the decoding above them stays the same on every system.
class Registry
{
public:
    // A root key such as the local-machine root, as its 32-bit handle value.
    using Root = quint32;
    using Handle = quintptr;

    static constexpr Root kLocalMachine = 0x80000002;

    // Access rights: read only (query value, enumerate sub-keys, notify, read control). Enough to
    // read a value, and granted to a user without administrator rights.
    static constexpr quint32 kKeyRead = 0x20019;

    // Status codes: 0 is success, anything else a failure.
    static constexpr long kSuccess = 0;
    static constexpr long kFileNotFound = 2;
    static constexpr long kAccessDenied = 5;
    static constexpr long kMoreData = 234;

    // Value types.
    static constexpr quint32 kTypeString = 1;
    static constexpr quint32 kTypeExpandString = 2;
    static constexpr quint32 kTypeNumber = 4;

    virtual ~Registry() = default;

    // Opens the key below the root with the access rights asked for; *handle is valid only when
    // the result is kSuccess, and must then be given back to close().
    virtual long open(Root root, const QString &keyPath, quint32 access, Handle *handle) = 0;

    // Copies the named value into data. On entry *size is the room in data, in bytes; on return it
    // is the number of bytes the value holds. A value larger than the room fails with kMoreData.
    virtual long queryValue(Handle handle, const QString &valueName, quint32 *type, quint8 *data,
                            quint32 *size)
        = 0;

    virtual void close(Handle handle) = 0;
};
