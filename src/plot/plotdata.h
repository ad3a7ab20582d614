#pragma once

// The plot room: the one drawing of µ against trial number or ramp angle, for the screen's chart,
// the saved PNG and SVG and the printed report. PlotData says what is drawn, PlotScale the ranges
// and ticks every drawing shares, PlotLayout where each part goes on a canvas, and PlotDrawing
// draws it through a PlotCanvas: a QPainter (PNG, PDF, printer) or SVG text. Colours and marker
// shapes come from the analysis room's PlotPalette, so that a series looks the same everywhere.

#include "linearfit.h"

#include <QList>
#include <QString>

#include <optional>

// What the horizontal axis shows.
enum class PlotAxis { Trial, Angle };

struct PlotPoint
{
    double trial = 0.0;
    double angleDeg = 0.0;
    double mu = 0.0;
    double uncertainty = 0.0;
};

// One sample and kind: its used trials, their mean, and the weighted straight line of µ against
// the angle (nothing for fewer than two angles, or a trial without δµ). Its place in the list
// gives its colour.
struct PlotSeries
{
    QString name;
    bool kinetic = false;
    QList<PlotPoint> points;
    double mean = 0.0;
    std::optional<LinearFit> fit;
};

struct PlotData
{
    QList<PlotSeries> series;
    PlotAxis axis = PlotAxis::Trial;

    double x(const PlotPoint &point) const
    {
        return axis == PlotAxis::Trial ? point.trial : point.angleDeg;
    }
};
