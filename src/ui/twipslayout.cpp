#include "twipslayout.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Dialog base units of the font the designs were made with.
constexpr double kDesignCharWidth = 6.0;
constexpr double kDesignLineHeight = 13.0;

} // namespace

double TwipsLayout::scaleFor(const QFont &font)
{
    const QFontMetricsF metrics(font);
    // The usual measure of a font's average character width for dialog layout.
    const double alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const double charWidth = (alphabet / 26.0 + 1.0) / 2.0;
    return std::max({ 1.0, charWidth / kDesignCharWidth, metrics.height() / kDesignLineHeight });
}

double TwipsLayout::scale()
{
    static const double factor = scaleFor(QApplication::font());
    return factor;
}

int TwipsLayout::toPixels(int twips)
{
    return static_cast<int>(std::lround(twips * scale() / kTwipsPerPixel));
}

QRect TwipsLayout::toPixels(const TwipsRect &rect)
{
    const int left = toPixels(rect.left);
    const int top = toPixels(rect.top);
    // Right and bottom edges are converted on their own so that neighbours that touch in the
    // design still touch after rounding.
    return QRect(
        QPoint(left, top),
        QPoint(toPixels(rect.left + rect.width) - 1, toPixels(rect.top + rect.height) - 1));
}

QSize TwipsLayout::toPixels(int widthTwips, int heightTwips)
{
    return QSize(toPixels(widthTwips), toPixels(heightTwips));
}

void TwipsLayout::place(QWidget *widget, const TwipsRect &rect)
{
    widget->setGeometry(toPixels(rect));
}
