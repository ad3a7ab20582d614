#include "programmodule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>

std::variant<QObject *, QString>
ProgramModule::load(const QString &fileName, const QString &installDir, const QString &buildDir)
{
    static QHash<QString, QObject *> loaded;
    if (QObject *instance = loaded.value(fileName))
        return instance;

    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList candidates { programDir + installDir + QLatin1Char('/') + fileName,
                                   programDir + fileName, buildDir + QLatin1Char('/') + fileName };
    //: %1 is the file name of one of the program's modules.
    QString why = QCoreApplication::translate("ProgramModule", "%1 was not found").arg(fileName);
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        // The root object stays alive with the loaded library for the rest of the run.
        if (QObject *instance = loader.instance()) {
            loaded.insert(fileName, instance);
            return instance;
        }
        why = loader.errorString();
    }
    return why;
}
