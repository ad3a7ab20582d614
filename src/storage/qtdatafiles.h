#pragma once

#include "datafiles.h"

// The files on the disk, through QFile and QSaveFile, made durable with fsync.
class QtDataFiles : public DataFiles
{
public:
    QString dataFolder() const override;
    bool exists(const QString &path) const override;
    QStringList list(const QString &folder, const QString &suffix) const override;
    ReadResult read(const QString &path) const override;
    std::optional<FileError> append(const QString &path, const QByteArray &bytes) override;
    std::optional<FileError> replace(const QString &path, const QByteArray &bytes) override;
};
