#include "classdatabasemodule.h"

#include "classdatabase.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>
#include <QPluginLoader>

std::variant<ClassDatabaseFactory *, QString> ClassDatabaseModule::factory()
{
    static QMutex mutex;
    static ClassDatabaseFactory *loaded = nullptr;
    const QMutexLocker lock(&mutex);
    if (loaded)
        return loaded;

    const QString name = QStringLiteral(TILTBENCH_CLASSDB_MODULE);
    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList candidates { programDir + QStringLiteral(TILTBENCH_CLASSDB_INSTALL_DIR "/")
                                       + name,
                                   programDir + name,
                                   QStringLiteral(TILTBENCH_CLASSDB_BUILD_DIR "/") + name };
    QString why = QStringLiteral("%1 was not found").arg(name);
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        // The module's root object stays alive with the loaded library for the rest of the run.
        if (auto *factory = qobject_cast<ClassDatabaseFactory *>(loader.instance())) {
            loaded = factory;
            return loaded;
        }
        why = loader.errorString();
    }
    return why;
}
