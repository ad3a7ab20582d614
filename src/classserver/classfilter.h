#pragma once

#include "classtrial.h"

#include <QDateTime>
#include <QMetaType>
#include <QString>

// Which trials the Class Results window asks for: taken from `fromUtc` (inclusive) to `toUtc`
// (exclusive), either bound left open when invalid, in runs whose name holds `runName` (any case;
// empty for every run). The server applies it to the first fetch, the window to each live arrival.
struct ClassFilter
{
    QDateTime fromUtc;
    QDateTime toUtc;
    QString runName;

    bool matches(const ClassResult &result) const
    {
        const QDateTime &time = result.trial.timeUtc;
        return (!fromUtc.isValid() || time >= fromUtc) && (!toUtc.isValid() || time < toUtc)
            && result.run.name.contains(runName, Qt::CaseInsensitive);
    }
};

Q_DECLARE_METATYPE(ClassFilter)
