#include "frmcalculate.h"

#include "appinfo.h"
#include "frictioncalc.h"
#include "frictiontrial.h"
#include "messageboxes.h"
#include "twipslayout.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kEnterKey = 13;
const QString kStandardGravity = QStringLiteral("9.80665");

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption,
                  Qt::Alignment alignment, const TwipsRect &place)
{
    auto *label = TwipsLayout::make<QLabel>(parent, name, place);
    label->setText(caption);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, const QString &toolTip,
                   const TwipsRect &place)
{
    auto *box = TwipsLayout::make<QLineEdit>(parent, name, place);
    box->setToolTip(toolTip);
    // Numbers are read by their last digits first when compared, as on a calculator's display.
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                        const QString &toolTip, const TwipsRect &place)
{
    auto *button = TwipsLayout::make<QPushButton>(parent, name, place);
    button->setText(caption);
    button->setToolTip(toolTip);
    // A window without a default button: Enter belongs to the boxes' own handlers.
    button->setAutoDefault(false);
    return button;
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption,
                     const TwipsRect &place)
{
    auto *frame = TwipsLayout::make<QGroupBox>(parent, name, place);
    frame->setTitle(caption);
    return frame;
}

} // namespace

frmCalculate::frmCalculate(MessageBoxes &messageBoxes, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("frmCalculate"));
    //: The calculator's title; %1 is the program's name.
    setWindowTitle(tr("%1 - Friction Calculator").arg(AppInfo::title()));
    setWindowIcon(AppInfo::windowIcon());
    resize(TwipsLayout::toPixels(6870, 4560));

    buildControls();

    connect(btnStaticCalc, &QPushButton::clicked, this, &frmCalculate::btnStaticCalc_Click);
    connect(btnKineticCalc, &QPushButton::clicked, this, &frmCalculate::btnKineticCalc_Click);
    connect(btnKineticGravityDefault, &QPushButton::clicked, this,
            &frmCalculate::btnKineticGravityDefault_Click);
    for (QLineEdit *box :
         { txtStaticAngle, txtKineticAngle, txtKineticLength, txtKineticTime, txtKineticGravity })
        box->installEventFilter(this);

    Form_Load();

    // The focus child is remembered while the window is hidden and taken up when it is shown.
    txtStaticAngle->setFocus();
}

void frmCalculate::buildControls()
{
    const auto centred = Qt::AlignHCenter | Qt::AlignTop;
    // The result labels sit beside a button of their height; centring them vertically lines the
    // number up with the button's caption.
    const auto leftAligned = Qt::AlignLeft | Qt::AlignVCenter;

    frameStatic = makeFrame(this, "frameStatic", tr("Coefficient of Static Friction"),
                            { 1800, 120, 3375, 1695 });
    txtStaticAngle = makeBox(frameStatic, "txtStaticAngle", tr("Enter the measured ramp angle"),
                             { 1320, 360, 615, 315 });
    btnStaticCalc
        = makeButton(frameStatic, "btnStaticCalc", tr("Calculate!"),
                     tr("Recalculate the static coefficient of friction"), { 360, 1200, 975, 315 });
    lblStaticAngle = makeLabel(frameStatic, "lblStaticAngle", tr("Angle (degrees)"), centred,
                               { 360, 360, 855, 495 });
    lblStaticCoeff = makeLabel(frameStatic, "lblStaticCoeff", QString(), leftAligned,
                               { 1560, 1200, 1575, 315 });
    lblStaticCoeff->setWordWrap(false);

    frameKinetic = makeFrame(this, "frameKinetic", tr("Coefficient of Kinetic Friction"),
                             { 240, 2040, 6375, 2295 });
    txtKineticAngle = makeBox(frameKinetic, "txtKineticAngle", tr("Enter the measured ramp angle"),
                              { 360, 720, 615, 315 });
    txtKineticLength = makeBox(frameKinetic, "txtKineticLength",
                               tr("Enter the measured block length"), { 1440, 720, 1215, 315 });
    txtKineticTime
        = makeBox(frameKinetic, "txtKineticTime",
                  tr("Enter the time it takes for the block to pass through the photogate"),
                  { 3240, 720, 855, 315 });
    txtKineticGravity = makeBox(frameKinetic, "txtKineticGravity",
                                tr("Enter acceleration due to gravity"), { 4920, 720, 735, 315 });
    txtKineticGravity->setText(kStandardGravity);
    btnKineticCalc = makeButton(frameKinetic, "btnKineticCalc", tr("Calculate!"),
                                tr("Recalculate the coefficient of kinetic friction"),
                                { 1920, 1800, 975, 315 });
    btnKineticGravityDefault
        = makeButton(frameKinetic, "btnKineticGravityDefault", tr("Default"),
                     tr("Resets acceleration due to gravity on Earth"), { 4920, 1200, 735, 315 });
    lblKineticAngle = makeLabel(frameKinetic, "lblKineticAngle", tr("Angle (degrees)"), centred,
                                { 240, 240, 855, 495 });
    lblKineticLength = makeLabel(frameKinetic, "lblKineticLength", tr("Length of block (cm)"),
                                 centred, { 1440, 240, 1215, 495 });
    lblKineticTime = makeLabel(frameKinetic, "lblKineticTime", tr("delta T (ms)"), centred,
                               { 3360, 240, 615, 495 });
    lblKineticGravity
        = makeLabel(frameKinetic, "lblKineticGravity", tr("Accel Due to Gravity (m/s^2)"), centred,
                    { 4440, 240, 1695, 495 });
    lblKineticCoeff = makeLabel(frameKinetic, "lblKineticCoeff", QString(), leftAligned,
                                { 3120, 1800, 1575, 315 });
    lblKineticCoeff->setWordWrap(false);

    // The headings name the box below them for screen readers as well.
    lblStaticAngle->setBuddy(txtStaticAngle);
    lblKineticAngle->setBuddy(txtKineticAngle);
    lblKineticLength->setBuddy(txtKineticLength);
    lblKineticTime->setBuddy(txtKineticTime);
    lblKineticGravity->setBuddy(txtKineticGravity);

    QWidget::setTabOrder(txtStaticAngle, btnStaticCalc);
    QWidget::setTabOrder(btnStaticCalc, txtKineticAngle);
    QWidget::setTabOrder(txtKineticAngle, txtKineticLength);
    QWidget::setTabOrder(txtKineticLength, txtKineticTime);
    QWidget::setTabOrder(txtKineticTime, txtKineticGravity);
    QWidget::setTabOrder(txtKineticGravity, btnKineticGravityDefault);
    QWidget::setTabOrder(btnKineticGravityDefault, btnKineticCalc);
}

void frmCalculate::Form_Load()
{
    lblStaticCoeff->setText(FrictionCalc::staticCaptionPrefix());
    lblKineticCoeff->setText(FrictionCalc::kineticCaptionPrefix());
}

bool frmCalculate::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int keyAscii = key->text().isEmpty() ? 0 : key->text().at(0).unicode();
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            keyAscii = kEnterKey;

        if (watched == txtStaticAngle)
            txtStaticAngle_KeyPress(keyAscii);
        else if (watched == txtKineticAngle)
            txtKineticAngle_KeyPress(keyAscii);
        else if (watched == txtKineticLength)
            txtKineticLength_KeyPress(keyAscii);
        else if (watched == txtKineticTime)
            txtKineticTime_KeyPress(keyAscii);
        else if (watched == txtKineticGravity)
            txtKineticGravity_KeyPress(keyAscii);
    }
    // The handlers only watch: every key still reaches its box unchanged.
    return QWidget::eventFilter(watched, event);
}

void frmCalculate::enterPressed(QPushButton *button, void (frmCalculate::*click)())
{
    button->setFocus();
    (this->*click)();
}

void frmCalculate::txtStaticAngle_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        enterPressed(btnStaticCalc, &frmCalculate::btnStaticCalc_Click);
}

void frmCalculate::txtKineticAngle_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        enterPressed(btnKineticCalc, &frmCalculate::btnKineticCalc_Click);
}

void frmCalculate::txtKineticLength_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        enterPressed(btnKineticCalc, &frmCalculate::btnKineticCalc_Click);
}

void frmCalculate::txtKineticTime_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        enterPressed(btnKineticCalc, &frmCalculate::btnKineticCalc_Click);
}

void frmCalculate::txtKineticGravity_KeyPress(int keyAscii)
{
    if (keyAscii == kEnterKey)
        enterPressed(btnKineticCalc, &frmCalculate::btnKineticCalc_Click);
}

void frmCalculate::btnStaticCalc_Click()
{
    subStaticCalc();
}

void frmCalculate::btnKineticCalc_Click()
{
    subKineticCalc();
}

void frmCalculate::btnKineticGravityDefault_Click()
{
    txtKineticGravity->setText(kStandardGravity);
    subKineticCalc();
}

void frmCalculate::subStaticCalc()
{
    const FrictionOutcome outcome = FrictionCalc::staticCoefficient(txtStaticAngle->text());
    if (const FrictionResult *result = carryOut(outcome, lblStaticCoeff))
        emit trialCalculated(result->measurement);
}

void frmCalculate::subKineticCalc()
{
    const FrictionOutcome outcome
        = FrictionCalc::kineticCoefficient(txtKineticAngle->text(), txtKineticLength->text(),
                                           txtKineticTime->text(), txtKineticGravity->text());
    if (const FrictionResult *result = carryOut(outcome, lblKineticCoeff))
        emit trialCalculated(result->measurement);
}

// The result when the outcome was one and is now on show; null after a message.
const FrictionResult *frmCalculate::carryOut(const FrictionOutcome &outcome, QLabel *resultLabel)
{
    if (const auto *result = std::get_if<FrictionResult>(&outcome)) {
        resultLabel->setText(result->caption);
        return result;
    }
    const auto &message = std::get<FrictionMessage>(outcome);
    m_messageBoxes.show(this, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok,
                        message.title.value_or(AppInfo::title()), message.text);
    // The box's text stays as typed, neither cleared nor selected, so the user can mend it. A
    // message about inputs too extreme to compute names no box; the focus then stays where it was.
    if (QLineEdit *box = inputBox(message.focus))
        box->setFocus();
    return nullptr;
}

QLineEdit *frmCalculate::inputBox(FrictionInput input) const
{
    switch (input) {
    case FrictionInput::StaticAngle:
        return txtStaticAngle;
    case FrictionInput::KineticAngle:
        return txtKineticAngle;
    case FrictionInput::Length:
        return txtKineticLength;
    case FrictionInput::Time:
        return txtKineticTime;
    case FrictionInput::Gravity:
        return txtKineticGravity;
    case FrictionInput::None:
        break;
    }
    return nullptr;
}
