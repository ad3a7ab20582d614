#include "resultsdisplay.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

QLocale ResultsDisplay::locale()
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale;
}

QString ResultsDisplay::number(double value, int decimals)
{
    if (std::isnan(value))
        return {};
    return locale().toString(value, 'f', decimals);
}

QString ResultsDisplay::mu(double value)
{
    return number(value, kMuDecimals);
}

QString ResultsDisplay::exact(double value)
{
    if (std::isnan(value))
        return {};
    return locale().toString(value, 'g', QLocale::FloatingPointShortest);
}

QString ResultsDisplay::date(const QDate &date)
{
    const QLocale locale;
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return date.toString(Qt::ISODate);
    // A two-digit year ("05.03.24") reads as a day or a month in a lab's records.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QString ResultsDisplay::dateTime(const QDateTime &time, const QString &timeFormat)
{
    const QDateTime local = time.toLocalTime();
    return date(local.date()) + u' ' + local.toString(timeFormat);
}

QIcon ResultsDisplay::warningIcon()
{
    // Made once and kept to the end: a pixmap must not outlive the application object, as a
    // static one destroyed after main() would.
    static const QIcon *const icon = [] {
        auto *drawn = new QIcon;
        for (int size : { 16, 24, 32, 48 }) {
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const double s = size;
            QPainterPath triangle;
            triangle.moveTo(s / 2, s * 0.06);
            triangle.lineTo(s * 0.97, s * 0.92);
            triangle.lineTo(s * 0.03, s * 0.92);
            triangle.closeSubpath();
            // Okabe and Ito's orange with a dark edge: seen on light and dark rows alike.
            painter.setPen(QPen(QColor(0x5a, 0x3c, 0x00), std::max(1.0, s / 16)));
            painter.setBrush(QColor(0xe6, 0x9f, 0x00));
            painter.drawPath(triangle);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::black);
            painter.drawRect(QRectF(s * 0.45, s * 0.34, s * 0.1, s * 0.32));
            painter.drawEllipse(QPointF(s / 2, s * 0.78), s * 0.065, s * 0.065);
            painter.end();
            drawn->addPixmap(QPixmap::fromImage(image));
        }
        return drawn;
    }();
    return *icon;
}
