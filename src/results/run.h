#pragma once

#include "uncertaintypropagation.h"

#include <QDateTime>
#include <QString>

// One group's session: a name, notes, and the ± values that new trials are calculated with. It
// may span midnight and days. A run that could not be saved yet has no id.
struct Run
{
    qint64 id = 0;
    QString uuid;
    QString name;
    QDateTime started;
    QString notes;
    Uncertainties uncertainties;
};
