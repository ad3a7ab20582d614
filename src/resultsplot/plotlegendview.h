#pragma once

#include "plotdata.h"

#include <QWidget>

// The plot's legend on screen, drawn by the same code as in the saved PNG and SVG and the report:
// a marker and a name per series and, against the angle, the fitted line with its slope and
// intercept, whole.
class PlotLegendView : public QWidget
{
public:
    explicit PlotLegendView(QWidget *parent = nullptr);

    void setPlotData(const PlotData &plot);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    PlotData m_plot;
};
