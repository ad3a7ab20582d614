#pragma once

#include "filechecks.h"

class QtFileChecks : public FileChecks
{
public:
    bool fileExists(const QString &path) const override;
    QString findExecutable(const QString &name) const override;
};
