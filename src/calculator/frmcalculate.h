#pragma once

#include "frictioncalc.h"

#include <QWidget>

QT_BEGIN_NAMESPACE
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
QT_END_NAMESPACE

class MessageBoxes;

struct FrictionTrial;

// The "Tiltbench - Friction Calculator" window: the static coefficient from a ramp angle in the
// upper frame, the kinetic one from angle, block length, photogate time and gravity in the lower.
// A thin shell over FrictionCalc: its subStaticCalc/subKineticCalc hand the box texts to the
// calculations and carry out the outcome. Modeless; whoever opens it decides its lifetime. Each
// successful calculation is also reported as a trial, for whoever keeps them.
class frmCalculate : public QWidget
{
    Q_OBJECT

public:
    explicit frmCalculate(MessageBoxes &messageBoxes, QWidget *parent = nullptr);

signals:
    void trialCalculated(const FrictionTrial &trial);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void Form_Load();

    // The key handlers receive the character code of the key; 13 (Enter) calculates.
    void txtStaticAngle_KeyPress(int keyAscii);
    void txtKineticAngle_KeyPress(int keyAscii);
    void txtKineticLength_KeyPress(int keyAscii);
    void txtKineticTime_KeyPress(int keyAscii);
    void txtKineticGravity_KeyPress(int keyAscii);

    void btnStaticCalc_Click();
    void btnKineticCalc_Click();
    void btnKineticGravityDefault_Click();

    void subStaticCalc();
    void subKineticCalc();
    const FrictionResult *carryOut(const FrictionOutcome &outcome, QLabel *resultLabel);
    QLineEdit *inputBox(FrictionInput input) const;
    void enterPressed(QPushButton *button, void (frmCalculate::*click)());

    MessageBoxes &m_messageBoxes;

    QGroupBox *frameStatic = nullptr;
    QLineEdit *txtStaticAngle = nullptr;
    QPushButton *btnStaticCalc = nullptr;
    QLabel *lblStaticAngle = nullptr;
    QLabel *lblStaticCoeff = nullptr;

    QGroupBox *frameKinetic = nullptr;
    QLineEdit *txtKineticAngle = nullptr;
    QLineEdit *txtKineticLength = nullptr;
    QLineEdit *txtKineticTime = nullptr;
    QLineEdit *txtKineticGravity = nullptr;
    QPushButton *btnKineticCalc = nullptr;
    QPushButton *btnKineticGravityDefault = nullptr;
    QLabel *lblKineticAngle = nullptr;
    QLabel *lblKineticLength = nullptr;
    QLabel *lblKineticTime = nullptr;
    QLabel *lblKineticGravity = nullptr;
    QLabel *lblKineticCoeff = nullptr;
};
