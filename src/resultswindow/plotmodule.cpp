#include "plotmodule.h"

#include "programmodule.h"
#include "trialplot.h"

#include <QCoreApplication>

std::variant<TrialPlotFactory *, QString> PlotModule::factory()
{
    const auto loaded = ProgramModule::load(QStringLiteral(TILTBENCH_PLOT_MODULE),
                                            QStringLiteral(TILTBENCH_PLOT_INSTALL_DIR),
                                            QStringLiteral(TILTBENCH_PLOT_BUILD_DIR));
    if (const auto *why = std::get_if<QString>(&loaded))
        return *why;
    if (auto *factory = qobject_cast<TrialPlotFactory *>(std::get<QObject *>(loaded)))
        return factory;
    return QCoreApplication::translate("PlotModule", "%1 is not the plot module")
        .arg(QStringLiteral(TILTBENCH_PLOT_MODULE));
}
