#pragma once

#include "registry.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QStringList>

#include <cstring>

// A registry held in memory: key paths under the local-machine root, each with named values of a
// type and raw bytes. Records every open and close, and fails opens or queries on request.
class FakeRegistry : public Registry
{
public:
    struct Value
    {
        quint32 type = kTypeString;
        QByteArray data;
    };
    struct Open
    {
        Root root;
        QString keyPath;
        quint32 access;
    };

    void setValue(const QString &keyPath, const QString &valueName, quint32 type,
                  const QByteArray &data)
    {
        keys[keyPath][valueName] = { type, data };
    }

    long open(Root root, const QString &keyPath, quint32 access, Handle *handle) override
    {
        opens.append({ root, keyPath, access });
        if (openStatus != kSuccess)
            return openStatus;
        if (root != kLocalMachine || !keys.contains(keyPath))
            return kFileNotFound;
        *handle = ++m_lastHandle;
        m_openKeys.insert(*handle, keyPath);
        return kSuccess;
    }

    long queryValue(Handle handle, const QString &valueName, quint32 *type, quint8 *data,
                    quint32 *size) override
    {
        if (!m_openKeys.contains(handle))
            return 6; // an invalid handle
        if (queryStatus != kSuccess)
            return queryStatus;
        const auto values = keys.value(m_openKeys.value(handle));
        if (!values.contains(valueName))
            return kFileNotFound;
        const Value &value = values[valueName];
        const auto stored = static_cast<quint32>(value.data.size());
        *type = value.type;
        if (stored > *size) {
            *size = stored;
            return kMoreData;
        }
        std::memcpy(data, value.data.constData(), stored);
        *size = stored;
        return kSuccess;
    }

    void close(Handle handle) override
    {
        closes.append(handle);
        m_openKeys.remove(handle);
    }

    // The key paths opened, in order.
    QStringList openedKeys() const
    {
        QStringList paths;
        for (const Open &o : opens)
            paths << o.keyPath;
        return paths;
    }

    // Keys opened and not closed again.
    int keysLeftOpen() const { return int(m_openKeys.size()); }

    QMap<QString, QMap<QString, Value>> keys;
    long openStatus = kSuccess;
    long queryStatus = kSuccess;
    QList<Open> opens;
    QList<Handle> closes;

private:
    Handle m_lastHandle = 0;
    QMap<Handle, QString> m_openKeys;
};
