#include "plotpalette.h"

QString PlotPalette::colour(int index)
{
    static const char *const kColours[kColourCount] = {
        "#0072b2", // blue
        "#e69f00", // orange
        "#009e73", // bluish green
        "#d55e00", // vermillion
        "#56b4e9", // sky blue
        "#cc79a7", // reddish purple
        "#000000", // black
        "#f0e442", // yellow
    };
    const int i = ((index % kColourCount) + kColourCount) % kColourCount;
    return QString::fromLatin1(kColours[i]);
}
