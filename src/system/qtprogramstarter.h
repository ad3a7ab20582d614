#pragma once

#include "programstarter.h"

class QtProgramStarter : public ProgramStarter
{
public:
    bool start(const QString &path, QString *error = nullptr) override;
};
