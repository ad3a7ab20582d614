#pragma once

#include "registry.h"

#ifdef Q_OS_WIN

// The Windows registry through its ANSI functions: key paths and value names are passed in the
// system's ANSI code page.
class WinRegistry : public Registry
{
public:
    long open(Root root, const QString &keyPath, quint32 access, Handle *handle) override;
    long queryValue(Handle handle, const QString &valueName, quint32 *type, quint8 *data,
                    quint32 *size) override;
    void close(Handle handle) override;
};

#endif
