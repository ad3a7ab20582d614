#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QPushButton;
QT_END_NAMESPACE

class IndexerSimulator;
class RampView;

// "Tiltbench Virtual Ramp": the simulator's ramp as a class sees it. It only draws what the
// simulator's model says and passes "Place Block" on; the simulator logs everything it shows.
class RampWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RampWindow(IndexerSimulator &simulator, QWidget *parent = nullptr);

private:
    void refresh();
    void btnPlaceBlock_Click();

    IndexerSimulator &m_simulator;
    RampView *picRamp = nullptr;
    QLabel *lblAngle = nullptr;
    QLabel *lblDeltaT = nullptr;
    QLabel *lblBlock = nullptr;
    QLabel *lblLine = nullptr;
    QPushButton *btnPlaceBlock = nullptr;
};
