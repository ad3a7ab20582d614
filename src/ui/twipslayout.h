#pragma once

#include <QRect>
#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QFont;
class QWidget;
QT_END_NAMESPACE

// A control's place in a window's design table, in twips (1/1440 inch) relative to its container.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Turns design-table twips into logical pixels: 15 twips to a pixel at 96 dpi, times one
// application-wide factor. The windows were laid out for a small system font (8 pt, dialog base
// units of 6 x 13 pixels); where the default font is larger, every position and size grows in
// proportion, so captions keep fitting their controls.
class TwipsLayout
{
public:
    static constexpr int kTwipsPerPixel = 15;

    // The factor for a given font: 1 for the design font or a smaller one.
    static double scaleFor(const QFont &font);

    // The factor for the application's default font, fixed at the first call.
    static double scale();

    static int toPixels(int twips);
    static QRect toPixels(const TwipsRect &rect);
    static QSize toPixels(int widthTwips, int heightTwips);

    // Sets the widget's geometry inside its parent.
    static void place(QWidget *widget, const TwipsRect &rect);

    // Creates a control of a window's design table: named, so that tests find it by its name,
    // and placed.
    template<typename Widget>
    static Widget *make(QWidget *parent, const char *name, const TwipsRect &rect)
    {
        auto *widget = new Widget(parent);
        widget->setObjectName(QLatin1String(name));
        place(widget, rect);
        return widget;
    }

    // The same for a control that shows a text (a label, a button).
    template<typename Widget>
    static Widget *make(QWidget *parent, const char *name, const TwipsRect &rect,
                        const QString &text)
    {
        auto *widget = make<Widget>(parent, name, rect);
        widget->setText(text);
        return widget;
    }
};
