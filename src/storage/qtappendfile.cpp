#include "qtappendfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

std::optional<FileError> QtAppendFile::open(const QString &path)
{
    close();
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return FileError {
            folder, QCoreApplication::translate("QtAppendFile", "The folder could not be created.")
        };
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return FileError { path, m_file.errorString() };
    m_size = m_file.size();
    return std::nullopt;
}

std::optional<FileError> QtAppendFile::write(const QByteArray &bytes)
{
    if (!m_file.isOpen())
        return FileError { m_file.fileName(),
                           QCoreApplication::translate("QtAppendFile", "The file is not open.") };
    // A write cut short (the disk filled up in its middle) says nothing of why; the write of
    // the rest fails with the system's reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = m_file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written == bytes.size()) {
        m_size += written;
        return std::nullopt;
    }
    const FileError error { m_file.fileName(), m_file.errorString() };
    // Part of a piece would leave half a line for the next reader to stumble on.
    m_file.resize(m_size);
    return error;
}

void QtAppendFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}
