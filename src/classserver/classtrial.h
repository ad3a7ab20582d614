#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

// A run as the class server keeps it: one group's session at one bench, with the uncertainties its
// new trials were calculated with.
struct ClassRun
{
    QString uuid;
    QString name;
    QDateTime startedUtc;
    QString notes;
    double angleUncDeg = 0.0;
    double lengthUncCm = 0.0;
    double deltaTUncMs = 0.0;
};

// One trial as the class server keeps it, column for column as the bench's own database does. The
// kinetic inputs are absent for a static trial.
struct ClassTrial
{
    enum class Kind { Static, Kinetic };

    QString uuid;
    QString runUuid;
    int seq = 0;
    QDateTime timeUtc;
    QString sample;
    Kind kind = Kind::Static;
    double angleDeg = 0.0;
    std::optional<double> lengthCm;
    std::optional<double> deltaTMs;
    std::optional<double> gMs2;
    double mu = 0.0;
    double angleUncDeg = 0.0;
    std::optional<double> lengthUncCm;
    std::optional<double> deltaTUncMs;
    double muUncertainty = 0.0;
    bool excluded = false;
    QString note;

    // The database's words for the kind: "static" and "kinetic".
    static QString kindText(Kind kind)
    {
        return kind == Kind::Static ? QStringLiteral("static") : QStringLiteral("kinetic");
    }
};

// A trial read back from the server, with the station that sent it and its run.
struct ClassResult
{
    QString station;
    ClassRun run;
    ClassTrial trial;
};

Q_DECLARE_METATYPE(ClassResult)
