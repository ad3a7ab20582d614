#pragma once

#include "plotdata.h"

#include <QWidget>
#include <QtPlugin>

// The plot of µ against trial number or ramp angle on screen. Its chart code lives in a module
// loaded when the plot is first shown, so that the program's start-up does not map the chart
// library.
class TrialPlot : public QWidget
{
public:
    using QWidget::QWidget;

    virtual void setPlotData(const PlotData &plot) = 0;
};

// What the plot module offers: a plot for the given parent.
class TrialPlotFactory
{
public:
    virtual ~TrialPlotFactory() = default;
    virtual TrialPlot *createPlot(QWidget *parent) = 0;
};

#define TrialPlotFactory_iid "org.tiltbench.TrialPlotFactory/2.0"
Q_DECLARE_INTERFACE(TrialPlotFactory, TrialPlotFactory_iid)
