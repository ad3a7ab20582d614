#pragma once

#include <QString>

// The colours and marker shapes of the plot's series, the same on screen, in the saved PNG and SVG
// and in the printed report. The colours are Okabe and Ito's eight, which readers with any common
// colour-vision deficiency can still tell apart; yellow, the palest on white, comes last. Static
// and kinetic series differ by marker shape as well, so they stay apart in black and white.
class PlotPalette
{
public:
    enum class Marker { Circle, Square };

    static constexpr int kColourCount = 8;

    // "#rrggbb" for the series at `index`; the colours repeat after eight series.
    static QString colour(int index);
    static Marker marker(bool kinetic) { return kinetic ? Marker::Square : Marker::Circle; }
};
