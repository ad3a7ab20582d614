#pragma once

#include "appendfile.h"

#include <QFile>

// An AppendFile on the disk, through an unbuffered QFile.
class QtAppendFile : public AppendFile
{
public:
    std::optional<FileError> open(const QString &path) override;
    std::optional<FileError> write(const QByteArray &bytes) override;
    void close() override;

private:
    QFile m_file;
    qint64 m_size = 0;
};
