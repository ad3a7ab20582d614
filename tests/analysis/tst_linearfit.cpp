#include "linearfit.h"

#include <QTest>

class tst_LinearFit : public QObject
{
    Q_OBJECT

private slots:
    void handWorkedLines_data();
    void handWorkedLines();
    void refusesWhatFixesNoLine_data();
    void refusesWhatFixesNoLine();
};

using Points = QList<FitPoint>;

void tst_LinearFit::handWorkedLines_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<double>("slope");
    QTest::addColumn<double>("slopeUncertainty");
    QTest::addColumn<double>("intercept");
    QTest::addColumn<double>("interceptUncertainty");
    QTest::addColumn<double>("chiSquare");
    QTest::addColumn<bool>("significant");

    // Weights 10000, 10000, 2500: S = 22500, Sx = 6e5, Sy = 7125, Sxx = 1.7e7, Sxy = 193000,
    // Δ = S·Sxx - Sx² = 2.25e10. Slope (S·Sxy - Sx·Sy)/Δ = 6.75e7/2.25e10, intercept
    // (Sxx·Sy - Sx·Sxy)/Δ = 5.325e9/2.25e10, σ(slope) = √(S/Δ), σ(intercept) = √(Sxx/Δ) = √17/150.
    // Residuals 1/300, -2/300, 4/300: χ² = 1/9 + 4/9 + 4/9.
    QTest::newRow("three angles, µk rising")
        << Points { { 20, 0.30, 0.01 }, { 30, 0.32, 0.01 }, { 40, 0.37, 0.02 } } << 0.003 << 0.001
        << 0.2366666667 << 0.0274873708 << 1.0 << true;
    // Two points fix the line exactly: slope 0.001/10°, σ(slope) = √2·0.01/10.
    QTest::newRow("two angles, flat within the uncertainty")
        << Points { { 20, 0.320, 0.01 }, { 30, 0.321, 0.01 } } << 0.0001 << 0.0014142136 << 0.318
        << 0.0360555128 << 0.0 << false;
}

void tst_LinearFit::handWorkedLines()
{
    QFETCH(Points, points);
    QFETCH(double, slope);
    QFETCH(double, slopeUncertainty);
    QFETCH(double, intercept);
    QFETCH(double, interceptUncertainty);
    QFETCH(double, chiSquare);
    QFETCH(bool, significant);

    const std::optional<LinearFit> fit = LinearFit::of(points);
    QVERIFY(fit);
    QVERIFY(qAbs(fit->slope - slope) < 1e-9);
    QVERIFY(qAbs(fit->slopeUncertainty - slopeUncertainty) < 1e-9);
    QVERIFY(qAbs(fit->intercept - intercept) < 1e-9);
    QVERIFY(qAbs(fit->interceptUncertainty - interceptUncertainty) < 1e-9);
    QVERIFY(qAbs(fit->chiSquare - chiSquare) < 1e-9);
    QCOMPARE(fit->degreesOfFreedom, int(points.size()) - 2);
    QCOMPARE(fit->slopeIsSignificant(), significant);
}

void tst_LinearFit::refusesWhatFixesNoLine_data()
{
    QTest::addColumn<Points>("points");

    QTest::newRow("one point") << Points { { 20, 0.3, 0.01 } };
    QTest::newRow("one angle twice") << Points { { 20, 0.3, 0.01 }, { 20, 0.31, 0.01 } };
    // The mean of three times 31.799 is not 31.799 to the last bit: the centred angles are not
    // all exactly 0, yet there is one angle only.
    QTest::newRow("one angle three times")
        << Points { { 31.799, 0.62, 0.0121 }, { 31.799, 0.62, 0.0121 }, { 31.799, 0.62, 0.0121 } };
    QTest::newRow("a point without uncertainty") << Points { { 20, 0.3, 0.01 }, { 30, 0.31, 0.0 } };
}

void tst_LinearFit::refusesWhatFixesNoLine()
{
    QFETCH(Points, points);
    QVERIFY(!LinearFit::of(points));
}

QTEST_APPLESS_MAIN(tst_LinearFit)
#include "tst_linearfit.moc"
