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
    const QStringList candidates { QCoreApplication::applicationDirPath() + QLatin1Char('/') + name,
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
