#pragma once

#include "trafficrecorder.h"

#include <QColor>

QT_BEGIN_NAMESPACE
class QPalette;
QT_END_NAMESPACE

// The colours of the monitor's rows: one hue per kind (TX blue, RX orange, port events purple),
// from Okabe and Ito's set, which readers with any common colour-vision deficiency tell apart. Each
// comes in a dark shade for a light background and a light one for a dark background, both at a
// contrast of at least 4.5:1, as text needs. The direction column still says which kind a row is,
// for those who see no colour at all.
class TrafficColours
{
public:
    static QColor forKind(TrafficEntry::Kind kind, const QPalette &palette);
    // The background of a match of the find bar, and the text drawn on it.
    static QColor matchBackground();
    static QColor matchText();
};
