#include "plotsvg.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString num(double value)
{
    return QString::number(value, 'f', 2);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

QByteArray PlotSvg::render(const PlotData &plot, int width, int height)
{
    const auto [xMin, xMax, yMin, yMax] = plotBounds(plot);

    const double left = 70, right = width - 170, top = 20, bottom = height - 50;
    const auto sx = [&](double x) { return left + (x - xMin) / (xMax - xMin) * (right - left); };
    const auto sy = [&](double y) { return bottom - (y - yMin) / (yMax - yMin) * (bottom - top); };

    QStringList svg;
    svg << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
        << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" font-family=\"sans-serif\" font-size=\"12\">")
               .arg(width)
               .arg(height)
        << QStringLiteral("<rect width=\"100%\" height=\"100%\" fill=\"white\"/>")
        << QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"none\" "
                          "stroke=\"black\"/>")
               .arg(num(left), num(top), num(right - left), num(bottom - top));

    for (int i = 0; i <= 5; ++i) {
        const double y = yMin + (yMax - yMin) * i / 5.0;
        svg << QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3</text>")
                   .arg(num(left - 6), num(sy(y) + 4), QString::number(y, 'f', 3));
    }
    const int xStep = std::max(1, int(std::ceil((xMax - xMin) / 10.0)));
    for (int x = int(std::ceil(xMin)); x <= int(std::floor(xMax)); x += xStep) {
        svg << QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>")
                   .arg(num(sx(x)), num(bottom + 16))
                   .arg(x);
    }
    svg << QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">Trial</text>")
               .arg(num((left + right) / 2), num(height - 12))
        << QStringLiteral("<text x=\"16\" y=\"%1\" text-anchor=\"middle\" "
                          "transform=\"rotate(-90 16 %1)\">\u00b5</text>")
               .arg(num((top + bottom) / 2));

    for (int s = 0; s < plot.size(); ++s) {
        const PlotSeries &series = plot.at(s);
        const QString colour = plotColour(s);
        svg << QStringLiteral("<g class=\"series\" stroke=\"%1\" fill=\"%1\">").arg(colour);
        svg << QStringLiteral("<line class=\"mean\" x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" "
                              "stroke-dasharray=\"6 4\"/>")
                   .arg(num(left), num(sy(series.mean)), num(right));
        for (const PlotPoint &p : series.points) {
            const double x = sx(p.trial);
            svg << QStringLiteral("<line class=\"error-bar\" x1=\"%1\" y1=\"%2\" x2=\"%1\" "
                                  "y2=\"%3\"/>")
                       .arg(num(x), num(sy(p.mu - p.uncertainty)), num(sy(p.mu + p.uncertainty)))
                << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\"/>")
                       .arg(num(x), num(sy(p.mu)));
        }
        svg << QStringLiteral("</g>");
        const double ly = top + 10 + s * 20;
        svg << QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"4\" fill=\"%3\"/>")
                   .arg(num(right + 16), num(ly), colour)
            << QStringLiteral("<text x=\"%1\" y=\"%2\">%3</text>")
                   .arg(num(right + 26), num(ly + 4), escaped(series.name));
    }
    svg << QStringLiteral("</svg>");
    return svg.join(u'\n').toUtf8() + '\n';
}
