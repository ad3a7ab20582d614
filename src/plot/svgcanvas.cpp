#include "svgcanvas.h"

#include "plotlayout.h"

namespace {

QString num(double value)
{
    return QString::number(value, 'f', 2);
}

QString className(PlotCanvas::Part part)
{
    switch (part) {
    case PlotCanvas::Part::Background:
        return QStringLiteral("background");
    case PlotCanvas::Part::Grid:
        return QStringLiteral("grid");
    case PlotCanvas::Part::Frame:
        return QStringLiteral("frame");
    case PlotCanvas::Part::Label:
        return QStringLiteral("label");
    case PlotCanvas::Part::Mean:
        return QStringLiteral("mean");
    case PlotCanvas::Part::Fit:
        return QStringLiteral("fit");
    case PlotCanvas::Part::ErrorBar:
        return QStringLiteral("error-bar");
    case PlotCanvas::Part::Point:
        return QStringLiteral("point");
    case PlotCanvas::Part::Legend:
        return QStringLiteral("legend");
    }
    return {};
}

} // namespace

void SvgCanvas::fill(const QRectF &rect, const QString &colour)
{
    m_elements << QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>")
                      .arg(num(rect.x()), num(rect.y()), num(rect.width()), num(rect.height()),
                           colour);
}

void SvgCanvas::frame(const QRectF &rect, const QString &colour)
{
    m_elements << QStringLiteral("<rect class=\"frame\" x=\"%1\" y=\"%2\" width=\"%3\" "
                                 "height=\"%4\" fill=\"none\" stroke=\"%5\"/>")
                      .arg(num(rect.x()), num(rect.y()), num(rect.width()), num(rect.height()),
                           colour);
}

void SvgCanvas::line(const QPointF &from, const QPointF &to, const QString &colour, double width,
                     bool dashed, Part part)
{
    m_elements << QStringLiteral("<line class=\"%1\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\" "
                                 "stroke=\"%6\" stroke-width=\"%7\"%8/>")
                      .arg(className(part), num(from.x()), num(from.y()), num(to.x()), num(to.y()),
                           colour, num(width),
                           dashed ? QStringLiteral(" stroke-dasharray=\"6 4\"") : QString());
}

void SvgCanvas::marker(const QPointF &centre, PlotPalette::Marker shape, const QString &colour,
                       Part part)
{
    const double r = PlotLayout::kMarkerSize / 2;
    if (shape == PlotPalette::Marker::Square) {
        m_elements << QStringLiteral("<rect class=\"%1\" x=\"%2\" y=\"%3\" width=\"%4\" "
                                     "height=\"%4\" fill=\"%5\"/>")
                          .arg(className(part), num(centre.x() - r), num(centre.y() - r),
                               num(2 * r), colour);
    } else {
        m_elements << QStringLiteral("<circle class=\"%1\" cx=\"%2\" cy=\"%3\" r=\"%4\" "
                                     "fill=\"%5\"/>")
                          .arg(className(part), num(centre.x()), num(centre.y()), num(r), colour);
    }
}

void SvgCanvas::text(const QPointF &at, Anchor anchor, const QString &text, Part part, bool upright)
{
    const QString anchorName = anchor == Anchor::Start ? QStringLiteral("start")
        : anchor == Anchor::Middle                     ? QStringLiteral("middle")
                                                       : QStringLiteral("end");
    const QString turn = upright
        ? QString()
        : QStringLiteral(" transform=\"rotate(-90 %1 %2)\"").arg(num(at.x()), num(at.y()));
    m_elements << QStringLiteral("<text class=\"%1\" x=\"%2\" y=\"%3\" text-anchor=\"%4\"%5>%6"
                                 "</text>")
                      .arg(className(part), num(at.x()), num(at.y()), anchorName, turn,
                           text.toHtmlEscaped());
}

QByteArray SvgCanvas::document(const QSizeF &size) const
{
    QStringList lines;
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
          << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                            "viewBox=\"0 0 %1 %2\" font-family=\"DejaVu Sans, sans-serif\" "
                            "font-size=\"%3\">")
                 .arg(num(size.width()), num(size.height()), num(PlotLayout::kFontSize))
          << m_elements << QStringLiteral("</svg>");
    return lines.join(u'\n').toUtf8() + '\n';
}
