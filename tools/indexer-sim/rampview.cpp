#include "rampview.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// Along the ramp, as fractions of its length from the hinge: where the block rests, where the
// gate stands, and where a block that passed the gate lies.
constexpr double kRestAt = 0.80;
constexpr double kGateAt = 0.45;
constexpr double kPassedAt = 0.08;
constexpr double kBlockLength = 0.12;

} // namespace

RampView::RampView(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(240, 180);
    setAccessibleName(tr("Ramp"));
    setAccessibleDescription(tr("The ramp at its current angle, with the block and the photogate"));
}

void RampView::show(double angle, double maxAngle, SlidingBlock::State block)
{
    m_angle = angle;
    m_maxAngle = maxAngle;
    m_block = block;
    update();
}

void RampView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());

    const double margin = 20;
    const QPointF hinge(margin, height() - margin);
    // The ramp is as long as fits at its steepest angle.
    const double top = std::max(m_maxAngle, m_angle) * std::numbers::pi / 180;
    const double length = std::min((width() - 2 * margin) / std::max(std::cos(top), 0.2),
                                   (height() - 2 * margin) / std::max(std::sin(top), 0.2));
    const double theta = m_angle * std::numbers::pi / 180;
    const QPointF along(std::cos(theta), -std::sin(theta));
    const QPointF normal(-std::sin(theta), -std::cos(theta));
    const auto at = [&](double fraction, double up) {
        return hinge + along * (fraction * length) + normal * up;
    };

    // Bench, the ramp's top limit, and the ramp.
    painter.setPen(QPen(palette().color(QPalette::Mid), 2));
    painter.drawLine(QPointF(0, hinge.y()), QPointF(width(), hinge.y()));
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(hinge, hinge + QPointF(std::cos(top), -std::sin(top)) * length);
    painter.setPen(QPen(palette().color(QPalette::Text), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hinge, at(1, 0));

    // The photogate: a frame standing across the ramp.
    painter.setPen(QPen(QColor(0x20, 0x60, 0xc0), 3));
    painter.drawLine(at(kGateAt, 3), at(kGateAt, 60));
    painter.drawLine(at(kGateAt, 60), at(kGateAt + 0.03, 60));

    double blockAt = kRestAt;
    if (m_block == SlidingBlock::State::Sliding)
        blockAt = kGateAt - kBlockLength / 2;
    else if (m_block == SlidingBlock::State::Passed)
        blockAt = kPassedAt;
    const double blockHeight = 26;
    QPainterPath block;
    block.moveTo(at(blockAt, 3));
    block.lineTo(at(blockAt + kBlockLength, 3));
    block.lineTo(at(blockAt + kBlockLength, 3 + blockHeight));
    block.lineTo(at(blockAt, 3 + blockHeight));
    block.closeSubpath();
    painter.setPen(QPen(palette().color(QPalette::Text), 1));
    painter.setBrush(m_block == SlidingBlock::State::Stopped ? QColor(0xc0, 0x40, 0x30)
                                                             : QColor(0xd8, 0x9a, 0x3a));
    painter.drawPath(block);
}
