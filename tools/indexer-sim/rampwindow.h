#pragma once

#include "slidingblock.h"

#include <QWidget>

#include <optional>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

class IndexerSimulator;
class RampView;

// "Tiltbench Virtual Ramp": the simulator's ramp as a class sees it. It only draws what the
// simulator's model says and passes "Place Block" on; the simulator logs everything it shows.
// Beside the angle now, it keeps the angle at which the block last slid, the number a trial
// needs, to the three decimals of the log. Its size stays as first laid out: the line's state
// has two lines of room, so a mismatch message wraps rather than squeezing the rest.
class RampWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RampWindow(IndexerSimulator &simulator, QWidget *parent = nullptr);

private:
    // The values' texts, numbers in the user's locale (a decimal comma in German).
    static QString blockText(SlidingBlock::State state);
    static QString angleText(double angle);
    static QString slipAngleText(std::optional<double> angle);
    static QString deltaTText(std::optional<double> ms);

    void refresh();
    void btnPlaceBlock_Click();

    IndexerSimulator &m_simulator;
    RampView *picRamp = nullptr;
    QLabel *lblAngle = nullptr;
    QLabel *lblSlipAngle = nullptr;
    QLabel *lblDeltaT = nullptr;
    QLabel *lblBlock = nullptr;
    QLabel *lblLine = nullptr;
    QPushButton *btnPlaceBlock = nullptr;
};
