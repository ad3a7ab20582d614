#pragma once

#include "registry.h"

// The registry of a system that has none: every key is missing.
class NullRegistry : public Registry
{
public:
    long open(Root root, const QString &keyPath, quint32 access, Handle *handle) override;
    long queryValue(Handle handle, const QString &valueName, quint32 *type, quint8 *data,
                    quint32 *size) override;
    void close(Handle handle) override;
};
