#include "plotlegendview.h"

#include "paintercanvas.h"
#include "plotdrawing.h"
#include "plotlayout.h"

#include <QCoreApplication>
#include <QPainter>

PlotLegendView::PlotLegendView(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(QCoreApplication::translate("PlotLegendView", "Legend"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PlotLegendView::setPlotData(const PlotData &plot)
{
    m_plot = plot;
    QStringList rows;
    for (const PlotLayout::LegendEntry &entry : PlotLayout::of(plot).legend)
        rows << entry.text;
    // What a screen reader reads out: the rows as they are drawn.
    setAccessibleDescription(rows.join(u'\n'));
    updateGeometry();
    update();
}

QSize PlotLegendView::sizeHint() const
{
    const PlotLayout layout = PlotLayout::of(m_plot);
    return { int(layout.size.width()), int(layout.size.height() - layout.legendTop) };
}

void PlotLegendView::paintEvent(QPaintEvent *)
{
    const PlotLayout layout = PlotLayout::of(m_plot, width());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PainterCanvas canvas(painter, QTransform::fromTranslate(0, -layout.legendTop));
    PlotDrawing::drawLegend(m_plot, layout, canvas);
}
