#pragma once

#include "frictiontrial.h"
#include "uncertaintypropagation.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// One kept measurement: the calculator's inputs, the coefficient it gave at full precision, the
// ± values it was calculated with and the δµ they gave, when and on which sample it was taken,
// whether it is used, and a note. Its uuid names it to every program that reads the database; its
// number (seq) is given when it is first saved and never reused within its run.
struct Trial
{
    enum class Saved {
        // In the database as shown.
        Yes,
        // Only in memory: never written yet.
        New,
        // In the database, but a change to it is not written yet.
        Changed
    };

    qint64 id = 0;
    QString uuid;
    int number = 0;
    QDateTime time;
    QString sample;
    FrictionTrial measurement;
    double mu = 0.0;
    Uncertainties uncertainties;
    double muUncertainty = 0.0;
    bool excluded = false;
    QString note;
    Saved saved = Saved::New;

    bool used() const { return !excluded; }

    // The kind as files and the database write it: always English.
    static QString kindText(FrictionTrial::Kind kind)
    {
        return kind == FrictionTrial::Kind::Static ? QStringLiteral("Static")
                                                   : QStringLiteral("Kinetic");
    }
    // The kind as the windows and the report show it, in the user's language.
    static QString kindName(FrictionTrial::Kind kind)
    {
        return kind == FrictionTrial::Kind::Static
            ? QCoreApplication::translate("Trial", "Static")
            : QCoreApplication::translate("Trial", "Kinetic");
    }
};
