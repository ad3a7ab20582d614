#pragma once

#include "appendfile.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

// A file held in memory, for the log's tests. `failAfter` writes from its opening on, every write
// fails as a full disk would. The log writes from a thread of its own: everything is behind a
// lock.
class FakeAppendFile : public AppendFile
{
public:
    std::optional<FileError> open(const QString &path) override
    {
        const QMutexLocker lock(&m_mutex);
        m_path = path;
        m_open = true;
        m_writes = 0;
        return std::nullopt;
    }

    std::optional<FileError> write(const QByteArray &bytes) override
    {
        const QMutexLocker lock(&m_mutex);
        if (!m_open || (m_failAfter >= 0 && m_writes >= m_failAfter))
            return FileError { m_path, QStringLiteral("No space left on device") };
        ++m_writes;
        m_contents[m_path] += bytes;
        return std::nullopt;
    }

    void close() override
    {
        const QMutexLocker lock(&m_mutex);
        m_open = false;
    }

    void failAfter(int writes)
    {
        const QMutexLocker lock(&m_mutex);
        m_failAfter = writes;
    }

    QByteArray contents(const QString &path) const
    {
        const QMutexLocker lock(&m_mutex);
        return m_contents.value(path);
    }

    bool isOpen() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_open;
    }

private:
    mutable QMutex m_mutex;
    QHash<QString, QByteArray> m_contents;
    QString m_path;
    bool m_open = false;
    int m_writes = 0;
    int m_failAfter = -1;
};
