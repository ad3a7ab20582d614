#pragma once

#include "frictiontrial.h"

#include <QDateTime>
#include <QString>

// One kept measurement: the calculator's inputs, the coefficient it gave at full precision, and
// when and on which sample it was taken. Trial numbers are never reused within a day's record.
struct Trial
{
    int number = 0;
    QDateTime time;
    QString sample;
    FrictionTrial measurement;
    double mu = 0.0;

    static QString kindText(FrictionTrial::Kind kind)
    {
        return kind == FrictionTrial::Kind::Static ? QStringLiteral("Static")
                                                   : QStringLiteral("Kinetic");
    }
};
