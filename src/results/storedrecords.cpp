#include "storedrecords.h"

#include <QRandomGenerator>
#include <QUuid>

Trial StoredRecords::trial(const StoredTrial &row)
{
    Trial trial;
    trial.id = row.id;
    trial.uuid = row.uuid;
    trial.number = row.seq;
    trial.time = row.timeUtc;
    trial.sample = row.sample;
    FrictionTrial &m = trial.measurement;
    m.kind = row.kinetic ? FrictionTrial::Kind::Kinetic : FrictionTrial::Kind::Static;
    m.angleDeg = row.angleDeg;
    m.lengthCm = row.lengthCm;
    m.deltaTMs = row.deltaTMs;
    m.gravity = row.gravity;
    trial.mu = row.mu;
    trial.uncertainties = { row.angleUncDeg, row.lengthUncCm, row.deltaTUncMs };
    trial.muUncertainty = row.muUncertainty;
    trial.excluded = row.excluded;
    trial.note = row.note;
    trial.saved = Trial::Saved::Yes;
    return trial;
}

StoredTrial StoredRecords::stored(const Trial &trial)
{
    StoredTrial row;
    row.id = trial.id;
    row.uuid = trial.uuid;
    row.seq = trial.number;
    row.timeUtc = trial.time;
    row.sample = trial.sample;
    const FrictionTrial &m = trial.measurement;
    row.kinetic = m.kind == FrictionTrial::Kind::Kinetic;
    row.angleDeg = m.angleDeg;
    row.lengthCm = m.lengthCm;
    row.deltaTMs = m.deltaTMs;
    row.gravity = m.gravity;
    row.mu = trial.mu;
    row.angleUncDeg = trial.uncertainties.angleDeg;
    row.lengthUncCm = row.kinetic ? trial.uncertainties.lengthCm : StoredTrial::kNull;
    row.deltaTUncMs = row.kinetic ? trial.uncertainties.deltaTMs : StoredTrial::kNull;
    row.muUncertainty = trial.muUncertainty;
    row.excluded = trial.excluded;
    row.note = trial.note;
    return row;
}

Run StoredRecords::run(const StoredRun &row)
{
    return { row.id,         row.uuid,  row.name,
             row.startedUtc, row.notes, { row.angleUncDeg, row.lengthUncCm, row.deltaTUncMs } };
}

StoredRun StoredRecords::stored(const Run &run)
{
    return { run.id,
             run.uuid,
             run.name,
             run.started,
             run.notes,
             run.uncertainties.angleDeg,
             run.uncertainties.lengthCm,
             run.uncertainties.deltaTMs };
}

QString StoredRecords::newUuid()
{
    // From the program's generator, seeded once by the system: QUuid::createUuid() asks the
    // system for every one, which costs a fifth of a second for the 100,000 trials of a file.
    QRandomGenerator *random = QRandomGenerator::global();
    const quint64 high = random->generate64();
    const quint64 low = random->generate64();
    QUuid uuid(uint(high >> 32), ushort(high >> 16), ushort((high & 0x0fff) | 0x4000),
               uchar(((low >> 56) & 0x3f) | 0x80), uchar(low >> 48), uchar(low >> 40),
               uchar(low >> 32), uchar(low >> 24), uchar(low >> 16), uchar(low >> 8), uchar(low));
    return uuid.toString(QUuid::WithoutBraces);
}
