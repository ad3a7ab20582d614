#include "chartplotfactory.h"

#include "chartplot.h"

TrialPlot *ChartPlotFactory::createPlot(QWidget *parent)
{
    return new ChartPlot(parent);
}
