#pragma once

#include "trialplot.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

class PlotLegendView;

// The plot drawn with Qt Charts: per series a scatter of µ, a vertical segment for each ± δµ
// (Qt Charts has no error bars) and a dashed line at the series' mean or, against the angle, the
// fitted line. Ranges, ticks, colours and marker shapes are the drawn plot's (PlotScale,
// PlotPalette), so the screen shows what the saved files and the report show.
class ChartPlot : public TrialPlot
{
public:
    explicit ChartPlot(QWidget *parent = nullptr);

    void setPlotData(const PlotData &plot) override;

private:
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    PlotLegendView *m_legend = nullptr;
};
