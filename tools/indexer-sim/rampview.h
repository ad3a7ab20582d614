#pragma once

#include "slidingblock.h"

#include <QWidget>

// The ramp drawn side on: hinged at the left, tilted up by its angle, the block near the top end
// (or where it has slid to) and the photogate below it.
class RampView : public QWidget
{
    Q_OBJECT

public:
    explicit RampView(QWidget *parent = nullptr);

    void show(double angle, double maxAngle, SlidingBlock::State block);

    QSize sizeHint() const override { return { 420, 300 }; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_angle = 0;
    double m_maxAngle = 45;
    SlidingBlock::State m_block = SlidingBlock::State::Resting;
};
