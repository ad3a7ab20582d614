#include "weightedmean.h"

#include <QTest>

class tst_WeightedMean : public QObject
{
    Q_OBJECT

private slots:
    void handWorkedGroups_data();
    void handWorkedGroups();
    void refusesWhatHasNoWeight_data();
    void refusesWhatHasNoWeight();
};

using Measurements = QList<Measurement>;

void tst_WeightedMean::handWorkedGroups_data()
{
    QTest::addColumn<Measurements>("measurements");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("uncertainty");
    QTest::addColumn<double>("chiSquare");
    QTest::addColumn<int>("dof");
    QTest::addColumn<bool>("scatterTooLarge");

    // Weights 10000 and 2500: mean 5100/12500, σ 1/√12500, χ² 10000·0.008² + 2500·0.032².
    QTest::newRow("two trials") << Measurements { { 0.40, 0.01 }, { 0.44, 0.02 } } << 0.408
                                << 0.0089442719 << 3.2 << 1 << false;
    // Weights 10000, 10000, 2500: mean 7050/22500, σ 1/150,
    // χ² = 10000·(1/75)² + 10000·(1/150)² + 2500·(2/75)² = 16/9 + 4/9 + 16/9.
    QTest::newRow("three trials") << Measurements { { 0.30, 0.01 }, { 0.32, 0.01 }, { 0.34, 0.02 } }
                                  << 0.3133333333 << 0.0066666667 << 4.0 << 2 << false;
    // Mean 0.5; two trials 0.1 away at σ 0.01: χ² = 100 + 100 over 2, σ = 0.01/√3.
    QTest::newRow("scatter beyond the uncertainties")
        << Measurements { { 0.4, 0.01 }, { 0.6, 0.01 }, { 0.5, 0.01 } } << 0.5 << 0.0057735027
        << 200.0 << 2 << true;
    QTest::newRow("one trial") << Measurements { { 0.45, 0.03 } } << 0.45 << 0.03 << 0.0 << 0
                               << false;
}

void tst_WeightedMean::handWorkedGroups()
{
    QFETCH(Measurements, measurements);
    QFETCH(double, mean);
    QFETCH(double, uncertainty);
    QFETCH(double, chiSquare);
    QFETCH(int, dof);
    QFETCH(bool, scatterTooLarge);

    const std::optional<WeightedMean> result = WeightedMean::of(measurements);
    QVERIFY(result);
    QVERIFY(qAbs(result->mean - mean) < 1e-9);
    QVERIFY(qAbs(result->uncertainty - uncertainty) < 1e-9);
    QVERIFY(qAbs(result->chiSquare - chiSquare) < 1e-9);
    QCOMPARE(result->degreesOfFreedom, dof);
    QCOMPARE(result->reducedChiSquare().has_value(), dof > 0);
    QCOMPARE(result->scatterExceedsUncertainties(), scatterTooLarge);
}

void tst_WeightedMean::refusesWhatHasNoWeight_data()
{
    QTest::addColumn<Measurements>("measurements");

    QTest::newRow("none") << Measurements {};
    QTest::newRow("a zero uncertainty") << Measurements { { 0.4, 0.01 }, { 0.5, 0.0 } };
    QTest::newRow("a negative uncertainty") << Measurements { { 0.4, -0.01 } };
    QTest::newRow("an infinite value") << Measurements { { qInf(), 0.01 } };
}

void tst_WeightedMean::refusesWhatHasNoWeight()
{
    QFETCH(Measurements, measurements);
    QVERIFY(!WeightedMean::of(measurements));
}

QTEST_APPLESS_MAIN(tst_WeightedMean)
#include "tst_weightedmean.moc"
