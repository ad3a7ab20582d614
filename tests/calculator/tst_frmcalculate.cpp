#include "fakemessageboxes.h"
#include "frmcalculate.h"
#include "textfit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

const QString kStaticEmpty = QStringLiteral("\u00b5_static = ");
const QString kKineticEmpty = QStringLiteral("\u00b5_kinetic = ");

} // namespace

class tst_frmCalculate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stateRightAfterOpening();
    void layoutFromTheDesign();
    void captionsFitAfterShow();
    void tabOrder();
    void enterRunsTheBoxesCalculation_data();
    void enterRunsTheBoxesCalculation();
    void otherKeysReachTheBoxUntouched();
    void failedCalculationKeepsTheEarlierResult();
    void extremeInputKeepsTheResultAndNamesTheProblem();
    void germanDecimalCommasReachTheTrial();
    void defaultWithEmptyBoxes();
    void defaultAfterGravityChangedRecalculates();

private:
    template<typename T> T *child(const char *name)
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }
    QLineEdit *box(const char *name) { return child<QLineEdit>(name); }
    QLabel *label(const char *name) { return child<QLabel>(name); }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void showAndActivate();

    FakeMessageBoxes m_boxes;
    std::unique_ptr<frmCalculate> m_window;
};

void tst_frmCalculate::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void tst_frmCalculate::init()
{
    m_boxes = FakeMessageBoxes();
    m_window = std::make_unique<frmCalculate>(m_boxes);
}

void tst_frmCalculate::cleanup()
{
    m_window.reset();
}

void tst_frmCalculate::germanDecimalCommasReachTheTrial()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    showAndActivate();
    QSignalSpy trials(m_window.get(), &frmCalculate::trialCalculated);

    const struct
    {
        const char *box;
        const char *text;
    } typed[] = { { "txtKineticAngle", "24,228" },
                  { "txtKineticLength", "5" },
                  { "txtKineticTime", "146,64" } };
    for (const auto &t : typed) {
        box(t.box)->setFocus();
        QTest::keyClicks(box(t.box), QString::fromLatin1(t.text));
    }
    QTest::keyClick(box("txtKineticTime"), Qt::Key_Return);

    QCOMPARE(m_boxes.boxes.size(), 0);
    // µk = tan 24.228° - 2·0.05 m / (9.80665 m/s² · 0.14664² s² · cos 24.228°) = 0.450 - 0.130
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0,320"));
    QCOMPARE(trials.size(), 1);
    const auto trial = trials.at(0).at(0).value<FrictionTrial>();
    QCOMPARE(trial.angleDeg, 24.228);
    QCOMPARE(trial.lengthCm, 5.0);
    QCOMPARE(trial.deltaTMs, 146.64);
}

void tst_frmCalculate::showAndActivate()
{
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void tst_frmCalculate::stateRightAfterOpening()
{
    showAndActivate();

    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tiltbench - Friction Calculator"));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!m_window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(label("lblStaticCoeff")->text(), kStaticEmpty);
    QCOMPARE(label("lblKineticCoeff")->text(), kKineticEmpty);
    QCOMPARE(box("txtKineticGravity")->text(), QStringLiteral("9.80665"));
    for (const char *name :
         { "txtStaticAngle", "txtKineticAngle", "txtKineticLength", "txtKineticTime" })
        QVERIFY2(box(name)->text().isEmpty(), name);
    QTRY_COMPARE(QApplication::focusWidget(), box("txtStaticAngle"));

    // No default button: Enter belongs to the boxes.
    for (QPushButton *b : m_window->findChildren<QPushButton *>())
        QVERIFY2(!b->isDefault() && !b->autoDefault(), qPrintable(b->objectName()));

    QCOMPARE(box("txtStaticAngle")->toolTip(), QStringLiteral("Enter the measured ramp angle"));
    QCOMPARE(box("txtKineticAngle")->toolTip(), QStringLiteral("Enter the measured ramp angle"));
    QCOMPARE(box("txtKineticLength")->toolTip(), QStringLiteral("Enter the measured block length"));
    QCOMPARE(box("txtKineticTime")->toolTip(),
             QStringLiteral("Enter the time it takes for the block to pass through the photogate"));
    QCOMPARE(box("txtKineticGravity")->toolTip(),
             QStringLiteral("Enter acceleration due to gravity"));
    QCOMPARE(button("btnStaticCalc")->toolTip(),
             QStringLiteral("Recalculate the static coefficient of friction"));
    QCOMPARE(button("btnKineticCalc")->toolTip(),
             QStringLiteral("Recalculate the coefficient of kinetic friction"));
    QCOMPARE(button("btnKineticGravityDefault")->toolTip(),
             QStringLiteral("Resets acceleration due to gravity on Earth"));
}

void tst_frmCalculate::layoutFromTheDesign()
{
    QCOMPARE(child<QGroupBox>("frameStatic")->title(),
             QStringLiteral("Coefficient of Static Friction"));
    QCOMPARE(child<QGroupBox>("frameKinetic")->title(),
             QStringLiteral("Coefficient of Kinetic Friction"));
    QCOMPARE(button("btnStaticCalc")->text(), QStringLiteral("Calculate!"));
    QCOMPARE(button("btnKineticCalc")->text(), QStringLiteral("Calculate!"));
    QCOMPARE(button("btnKineticGravityDefault")->text(), QStringLiteral("Default"));
    QCOMPARE(label("lblStaticAngle")->text(), QStringLiteral("Angle (degrees)"));
    QCOMPARE(label("lblKineticAngle")->text(), QStringLiteral("Angle (degrees)"));
    QCOMPARE(label("lblKineticLength")->text(), QStringLiteral("Length of block (cm)"));
    QCOMPARE(label("lblKineticTime")->text(), QStringLiteral("delta T (ms)"));
    QCOMPARE(label("lblKineticGravity")->text(), QStringLiteral("Accel Due to Gravity (m/s^2)"));
    QVERIFY(label("lblKineticGravity")->alignment() & Qt::AlignHCenter);
    QVERIFY(label("lblStaticCoeff")->alignment() & Qt::AlignLeft);

    // Each control sits in the frame the design puts it in.
    QCOMPARE(box("txtStaticAngle")->parentWidget(), child<QGroupBox>("frameStatic"));
    QCOMPARE(label("lblKineticCoeff")->parentWidget(), child<QGroupBox>("frameKinetic"));

    // Each column heading is centred over its box.
    for (const auto &[heading, under] :
         { std::pair { "lblKineticAngle", "txtKineticAngle" },
           std::pair { "lblKineticLength", "txtKineticLength" },
           std::pair { "lblKineticTime", "txtKineticTime" },
           std::pair { "lblKineticGravity", "txtKineticGravity" } }) {
        const int centreDifference
            = label(heading)->geometry().center().x() - box(under)->geometry().center().x();
        QVERIFY2(qAbs(centreDifference) <= 1, heading);
    }
    // The static frame lies above the kinetic one, and the window is ordinary and resizable.
    QVERIFY(child<QGroupBox>("frameStatic")->geometry().bottom()
            < child<QGroupBox>("frameKinetic")->geometry().top());
    QVERIFY(m_window->isWindow());
    QVERIFY(m_window->minimumSize() != m_window->maximumSize());
    QVERIFY(m_window->width() >= 458 && m_window->height() >= 304);
}

void tst_frmCalculate::captionsFitAfterShow()
{
    showAndActivate();
    const QStringList clipped = clippedTexts(m_window.get());
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void tst_frmCalculate::tabOrder()
{
    showAndActivate();
    const QList<QWidget *> expected { box("txtStaticAngle"),
                                      button("btnStaticCalc"),
                                      box("txtKineticAngle"),
                                      box("txtKineticLength"),
                                      box("txtKineticTime"),
                                      box("txtKineticGravity"),
                                      button("btnKineticGravityDefault"),
                                      button("btnKineticCalc"),
                                      box("txtStaticAngle") };
    QTRY_COMPARE(QApplication::focusWidget(), expected.first());
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected.at(i));
    }
}

void tst_frmCalculate::enterRunsTheBoxesCalculation_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("staticCaption");
    QTest::addColumn<QString>("kineticCaption");
    QTest::addColumn<QString>("messageTitle");
    QTest::addColumn<QString>("focusAfter");

    // The other kinetic boxes hold 30 degrees, 5 cm, 100 ms and 9.80665, the static box 45.
    const QString ki = QStringLiteral("\u00b5_kinetic = 0.283");

    QTest::newRow("static angle, success")
        << "txtStaticAngle"
        << "30" << int(Qt::Key_Return) << "\u00b5_static = 0.577" << kKineticEmpty << ""
        << "btnStaticCalc";
    QTest::newRow("static angle, keypad Enter")
        << "txtStaticAngle"
        << "10" << int(Qt::Key_Enter) << "\u00b5_static = 0.176" << kKineticEmpty << ""
        << "btnStaticCalc";
    QTest::newRow("static angle, failure")
        << "txtStaticAngle"
        << "90" << int(Qt::Key_Return) << kStaticEmpty << kKineticEmpty << "Error in Angle"
        << "txtStaticAngle";
    QTest::newRow("kinetic angle, success")
        << "txtKineticAngle"
        << "30" << int(Qt::Key_Return) << kStaticEmpty << ki << ""
        << "btnKineticCalc";
    QTest::newRow("kinetic angle, failure")
        << "txtKineticAngle"
        << "abc" << int(Qt::Key_Return) << kStaticEmpty << kKineticEmpty << "Error in Angle"
        << "txtKineticAngle";
    QTest::newRow("length, success")
        << "txtKineticLength"
        << "10" << int(Qt::Key_Return) << kStaticEmpty << "\u00b5_kinetic = -0.011"
        << ""
        << "btnKineticCalc";
    QTest::newRow("length empty, failure")
        << "txtKineticLength"
        << "" << int(Qt::Key_Return) << kStaticEmpty << kKineticEmpty << "Error in Length of Block"
        << "txtKineticLength";
    QTest::newRow("time, success") << "txtKineticTime"
                                   << "100" << int(Qt::Key_Enter) << kStaticEmpty << ki << ""
                                   << "btnKineticCalc";
    QTest::newRow("time, failure")
        << "txtKineticTime"
        << "-5" << int(Qt::Key_Return) << kStaticEmpty << kKineticEmpty << "Error in delta T"
        << "txtKineticTime";
    QTest::newRow("gravity, success")
        << "txtKineticGravity"
        << "9.80665" << int(Qt::Key_Return) << kStaticEmpty << ki << ""
        << "btnKineticCalc";
    QTest::newRow("gravity, failure") << "txtKineticGravity"
                                      << "0" << int(Qt::Key_Return) << kStaticEmpty << kKineticEmpty
                                      << "Error in Acceleration Due to Gravity"
                                      << "txtKineticGravity";
}

void tst_frmCalculate::enterRunsTheBoxesCalculation()
{
    QFETCH(QString, boxName);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(QString, staticCaption);
    QFETCH(QString, kineticCaption);
    QFETCH(QString, messageTitle);
    QFETCH(QString, focusAfter);

    showAndActivate();
    // Valid texts everywhere, so a calculation of the wrong frame would change its caption.
    box("txtStaticAngle")->setText(QStringLiteral("45"));
    box("txtKineticAngle")->setText(QStringLiteral("30"));
    box("txtKineticLength")->setText(QStringLiteral("5"));
    box("txtKineticTime")->setText(QStringLiteral("100"));
    if (boxName == QLatin1String("txtStaticAngle"))
        box("txtKineticAngle")->clear(); // the kinetic calculation would fail and show a box

    QLineEdit *typedInto = m_window->findChild<QLineEdit *>(boxName);
    QVERIFY(typedInto);
    typedInto->setText(text);
    typedInto->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), typedInto);

    // While the box is up the focus is on the button; it moves to the bad box only afterwards.
    QWidget *focusWhileShown = nullptr;
    m_boxes.onShow
        = [&](const FakeMessageBoxes::Box &) { focusWhileShown = QApplication::focusWidget(); };
    QTest::keyClick(typedInto, Qt::Key(key));

    QCOMPARE(label("lblStaticCoeff")->text(), staticCaption);
    QCOMPARE(label("lblKineticCoeff")->text(), kineticCaption);
    if (messageTitle.isEmpty()) {
        QCOMPARE(m_boxes.boxes.size(), 0);
    } else {
        QCOMPARE(m_boxes.boxes.size(), 1);
        QCOMPARE(m_boxes.boxes.first().title, messageTitle);
        QCOMPARE(m_boxes.boxes.first().icon, MessageBoxes::Icon::Warning);
        QCOMPARE(m_boxes.boxes.first().buttons, MessageBoxes::Buttons::Ok);
        const QString button = boxName == QLatin1String("txtStaticAngle")
            ? QStringLiteral("btnStaticCalc")
            : QStringLiteral("btnKineticCalc");
        QVERIFY(focusWhileShown);
        QCOMPARE(focusWhileShown->objectName(), button);
    }
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    // The text stays as typed, neither cleared nor selected.
    QCOMPARE(typedInto->text(), text);
    QVERIFY(!typedInto->hasSelectedText());
}

void tst_frmCalculate::otherKeysReachTheBoxUntouched()
{
    showAndActivate();
    QLineEdit *angle = box("txtKineticAngle");
    angle->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), angle);
    QTest::keyClicks(angle, QStringLiteral("3x 0!"));
    QCOMPARE(angle->text(), QStringLiteral("3x 0!"));
    QCOMPARE(QApplication::focusWidget(), angle);
    QCOMPARE(m_boxes.boxes.size(), 0);
    QCOMPARE(label("lblKineticCoeff")->text(), kKineticEmpty);
}

void tst_frmCalculate::failedCalculationKeepsTheEarlierResult()
{
    showAndActivate();
    box("txtStaticAngle")->setText(QStringLiteral("30"));
    QTest::mouseClick(button("btnStaticCalc"), Qt::LeftButton);
    QCOMPARE(label("lblStaticCoeff")->text(), QStringLiteral("\u00b5_static = 0.577"));

    box("txtStaticAngle")->setText(QStringLiteral("30abc"));
    QTest::mouseClick(button("btnStaticCalc"), Qt::LeftButton);
    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes.first().title, QStringLiteral("Error in Angle"));
    QCOMPARE(label("lblStaticCoeff")->text(), QStringLiteral("\u00b5_static = 0.577"));
    QCOMPARE(QApplication::focusWidget(), box("txtStaticAngle"));

    // A successful one after the failure replaces the caption.
    box("txtStaticAngle")->setText(QStringLiteral("45"));
    QTest::mouseClick(button("btnStaticCalc"), Qt::LeftButton);
    QCOMPARE(label("lblStaticCoeff")->text(), QStringLiteral("\u00b5_static = 1.000"));

    box("txtKineticAngle")->setText(QStringLiteral("30"));
    box("txtKineticLength")->setText(QStringLiteral("10"));
    box("txtKineticTime")->setText(QStringLiteral("50"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = -1.778"));
    box("txtKineticLength")->setText(QStringLiteral("0"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    QCOMPARE(m_boxes.boxes.size(), 2);
    QCOMPARE(m_boxes.boxes.last().title, QStringLiteral("Error in Length of Block"));
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = -1.778"));
    QCOMPARE(QApplication::focusWidget(), box("txtKineticLength"));
    QCOMPARE(label("lblStaticCoeff")->text(), QStringLiteral("\u00b5_static = 1.000"));
}

void tst_frmCalculate::extremeInputKeepsTheResultAndNamesTheProblem()
{
    showAndActivate();
    box("txtKineticAngle")->setText(QStringLiteral("30"));
    box("txtKineticLength")->setText(QStringLiteral("5"));
    box("txtKineticTime")->setText(QStringLiteral("100"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0.283"));

    // An overflowing speed blames no single box: the focus stays on the button.
    box("txtKineticTime")->setText(QStringLiteral("1e-300"));
    box("txtKineticTime")->setFocus();
    QTest::keyClick(box("txtKineticTime"), Qt::Key_Return);
    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes.first().title, QStringLiteral("Tiltbench"));
    QCOMPARE(m_boxes.boxes.first().icon, MessageBoxes::Icon::Warning);
    QVERIFY(m_boxes.boxes.first().text.contains(QStringLiteral("too extreme")));
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0.283"));
    QCOMPARE(QApplication::focusWidget(), button("btnKineticCalc"));

    // A length and a time that vanish in metres and seconds are named as too small, not as a
    // speed too large.
    box("txtKineticLength")->setText(QStringLiteral("1e-322"));
    box("txtKineticTime")->setText(QStringLiteral("1e-322"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    QCOMPARE(m_boxes.boxes.size(), 2);
    QCOMPARE(m_boxes.boxes.last().title, QStringLiteral("Tiltbench"));
    QCOMPARE(m_boxes.boxes.last().text,
             QStringLiteral("The inputs are too extreme to compute: the length of block and "
                            "delta T are too small."));
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0.283"));
    QCOMPARE(QApplication::focusWidget(), button("btnKineticCalc"));

    // A number beyond the range of a double is the fault of its box.
    box("txtKineticLength")->setText(QStringLiteral("5"));
    box("txtKineticTime")->setText(QStringLiteral("100"));
    box("txtKineticGravity")->setText(QStringLiteral("1e400"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    QCOMPARE(m_boxes.boxes.size(), 3);
    QCOMPARE(m_boxes.boxes.last().title, QStringLiteral("Tiltbench"));
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0.283"));
    QCOMPARE(QApplication::focusWidget(), box("txtKineticGravity"));
}

void tst_frmCalculate::defaultWithEmptyBoxes()
{
    showAndActivate();
    box("txtKineticGravity")->setText(QStringLiteral("1.62"));
    QString gravityWhileShown;
    m_boxes.onShow = [&](const FakeMessageBoxes::Box &) {
        gravityWhileShown = box("txtKineticGravity")->text();
    };
    QTest::mouseClick(button("btnKineticGravityDefault"), Qt::LeftButton);

    QCOMPARE(gravityWhileShown, QStringLiteral("9.80665"));
    QCOMPARE(m_boxes.boxes.size(), 1);
    QCOMPARE(m_boxes.boxes.first().title, QStringLiteral("Error in Angle"));
    QCOMPARE(
        m_boxes.boxes.first().text,
        QStringLiteral("Please enter a numeric angle less than 90 and greater than 0 degrees."));
    QCOMPARE(QApplication::focusWidget(), box("txtKineticAngle"));
    QCOMPARE(label("lblKineticCoeff")->text(), kKineticEmpty);
    QCOMPARE(label("lblStaticCoeff")->text(), kStaticEmpty);
}

void tst_frmCalculate::defaultAfterGravityChangedRecalculates()
{
    showAndActivate();
    box("txtKineticAngle")->setText(QStringLiteral("25"));
    box("txtKineticLength")->setText(QStringLiteral("10"));
    box("txtKineticTime")->setText(QStringLiteral("200"));
    box("txtKineticGravity")->setText(QStringLiteral("1.62"));
    QTest::mouseClick(button("btnKineticCalc"), Qt::LeftButton);
    const QString moonCaption = label("lblKineticCoeff")->text();
    QVERIFY(moonCaption != QStringLiteral("\u00b5_kinetic = 0.326"));

    QTest::mouseClick(button("btnKineticGravityDefault"), Qt::LeftButton);
    QCOMPARE(box("txtKineticGravity")->text(), QStringLiteral("9.80665"));
    QCOMPARE(label("lblKineticCoeff")->text(), QStringLiteral("\u00b5_kinetic = 0.326"));
    QCOMPARE(m_boxes.boxes.size(), 0);
}

QTEST_MAIN(tst_frmCalculate)
#include "tst_frmcalculate.moc"
