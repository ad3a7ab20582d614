#pragma once

#include "filechecks.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// Files and programs for tests: only what the test lists exists.
class FakeFileChecks : public FileChecks
{
public:
    bool fileExists(const QString &path) const override
    {
        asked << path;
        return files.contains(path);
    }

    QString findExecutable(const QString &name) const override
    {
        searched << name;
        return onPath.value(name);
    }

    QSet<QString> files;
    // Program name -> full path, for the programs on the search path.
    QMap<QString, QString> onPath;
    mutable QStringList asked;
    mutable QStringList searched;
};
