#pragma once

#include "trialplot.h"

#include <QObject>

// The plot module's entry point, found by QPluginLoader.
class ChartPlotFactory : public QObject, public TrialPlotFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TrialPlotFactory_iid)
    Q_INTERFACES(TrialPlotFactory)

public:
    TrialPlot *createPlot(QWidget *parent) override;
};
