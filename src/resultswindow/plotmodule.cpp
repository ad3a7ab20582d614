#include "plotmodule.h"

#include "trialplot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

std::variant<TrialPlotFactory *, QString> PlotModule::factory()
{
    static TrialPlotFactory *loaded = nullptr;
    if (loaded)
        return loaded;

    const QString name = QStringLiteral(TILTBENCH_PLOT_MODULE);
    // Installed, in the program's own library folder; in the build tree, beside the program or,
    // for the tests, where the module was built.
    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList candidates { programDir + QStringLiteral(TILTBENCH_PLOT_INSTALL_DIR "/")
                                       + name,
                                   programDir + name,
                                   QStringLiteral(TILTBENCH_PLOT_BUILD_DIR "/") + name };
    QString why = QStringLiteral("%1 was not found").arg(name);
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        // The plugin's root object stays alive with the loaded library for the rest of the run.
        if (auto *factory = qobject_cast<TrialPlotFactory *>(loader.instance())) {
            loaded = factory;
            return loaded;
        }
        why = loader.errorString();
    }
    return why;
}
