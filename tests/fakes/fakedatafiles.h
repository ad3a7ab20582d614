#pragma once

#include "datafiles.h"

#include <QMap>
#include <QSet>

// Files held in memory. `failWrites` makes every write fail as a full disk would, `failReads` every
// read as a bad sector would, `unreadable` the reads of the files named.
class FakeDataFiles : public DataFiles
{
public:
    QString dataFolder() const override { return QStringLiteral("/data/Tiltbench"); }

    bool exists(const QString &path) const override { return files.contains(path); }

    QStringList list(const QString &folder, const QString &suffix) const override
    {
        QStringList paths;
        for (const QString &path : files.keys()) {
            if (path.startsWith(folder + u'/') && !path.mid(folder.size() + 1).contains(u'/')
                && path.endsWith(suffix))
                paths << path;
        }
        return paths;
    }

    ReadResult read(const QString &path) const override
    {
        if (!files.contains(path))
            return FileError { path, QStringLiteral("No such file or directory") };
        if (failReads || unreadable.contains(path))
            return FileError { path, QStringLiteral("Input/output error") };
        return files.value(path);
    }

    std::optional<FileError> append(const QString &path, const QByteArray &bytes) override
    {
        if (failWrites)
            return FileError { path, QStringLiteral("No space left on device") };
        files[path] += bytes;
        ++appends;
        return std::nullopt;
    }

    std::optional<FileError> replace(const QString &path, const QByteArray &bytes) override
    {
        if (failWrites)
            return FileError { path, QStringLiteral("No space left on device") };
        files[path] = bytes;
        ++replacements;
        return std::nullopt;
    }

    QMap<QString, QByteArray> files;
    bool failWrites = false;
    bool failReads = false;
    QSet<QString> unreadable;
    int appends = 0;
    int replacements = 0;
};
