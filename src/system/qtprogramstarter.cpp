#include "qtprogramstarter.h"

#include <QProcess>

bool QtProgramStarter::start(const QString &path, QString *error)
{
    QProcess process;
    process.setProgram(path);
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}
