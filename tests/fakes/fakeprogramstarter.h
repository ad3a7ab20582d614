#pragma once

#include "programstarter.h"

#include <QStringList>

// Records every start asked for; fails them all when told to.
class FakeProgramStarter : public ProgramStarter
{
public:
    bool start(const QString &path, QString *error = nullptr) override
    {
        attempts << path;
        if (fails && error)
            *error = QStringLiteral("No such file or directory");
        return !fails;
    }

    QStringList attempts;
    bool fails = false;
};
