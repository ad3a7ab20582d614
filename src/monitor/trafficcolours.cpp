#include "trafficcolours.h"

#include <QPalette>

QColor TrafficColours::forKind(TrafficEntry::Kind kind, const QPalette &palette)
{
    // A dark theme's base is dark whatever its hue.
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    switch (kind) {
    case TrafficEntry::Kind::Sent:
        return dark ? QColor(0x56, 0xb4, 0xe9) : QColor(0x00, 0x72, 0xb2);
    case TrafficEntry::Kind::Received:
        return dark ? QColor(0xe6, 0x9f, 0x00) : QColor(0xb3, 0x4d, 0x00);
    default:
        return dark ? QColor(0xe0, 0xa0, 0xc8) : QColor(0x8e, 0x3d, 0x73);
    }
}

QColor TrafficColours::matchBackground()
{
    // Okabe and Ito's yellow, with black text: readable on either theme.
    return QColor(0xf0, 0xe4, 0x42);
}

QColor TrafficColours::matchText()
{
    return Qt::black;
}
