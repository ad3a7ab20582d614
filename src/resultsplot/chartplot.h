#pragma once

#include "trialplot.h"

QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

// The plot drawn with Qt Charts: per series a scatter of µ, a vertical segment for each ± δµ
// (Qt Charts has no error bars) and a dashed line at the series' mean.
class ChartPlot : public TrialPlot
{
public:
    explicit ChartPlot(QWidget *parent = nullptr);

    void setPlotData(const PlotData &plot) override;

private:
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
};
