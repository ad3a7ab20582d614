#pragma once

#include "classoutbox.h"

#include <QUuid>

// Runs and trials for the class server's tests, with fresh uuids and values worked out by hand.
namespace ClassTrials {

inline QString uuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

inline ClassRun run(const QString &name)
{
    ClassRun run;
    run.uuid = uuid();
    run.name = name;
    run.startedUtc = QDateTime(QDate(2026, 3, 9), QTime(8, 15), Qt::UTC);
    run.angleUncDeg = 0.5;
    run.lengthUncCm = 0.1;
    run.deltaTUncMs = 1.0;
    return run;
}

// A static trial at 24.228 degrees: µ = tan(24.228°).
inline NewTrial staticTrial(const ClassRun &run, int seq)
{
    ClassTrial trial;
    trial.uuid = uuid();
    trial.runUuid = run.uuid;
    trial.seq = seq;
    trial.timeUtc = run.startedUtc.addMSecs(seq * 60000 + 123);
    trial.sample = QStringLiteral("oak");
    trial.angleDeg = 24.228;
    trial.mu = 0.450005345171587;
    trial.angleUncDeg = 0.5;
    trial.muUncertainty = 0.009983;
    return { run, trial };
}

} // namespace ClassTrials
