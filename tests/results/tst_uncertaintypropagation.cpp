#include "frictioncalc.h"
#include "uncertaintypropagation.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

FrictionTrial trialOf(double angle, double length, double time, double gravity)
{
    FrictionTrial trial;
    trial.angleDeg = angle;
    if (!std::isnan(length)) {
        trial.kind = FrictionTrial::Kind::Kinetic;
        trial.lengthCm = length;
        trial.deltaTMs = time;
        trial.gravity = gravity;
    }
    return trial;
}

} // namespace

class tst_UncertaintyPropagation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void propagated_data();
    void propagated();
    void coefficientIsTheCalculators_data();
    void coefficientIsTheCalculators();
};

// Worked by hand with mu = tan(theta) - L / (2 g t^2 cos(theta)):
//   d/dtheta = sec^2(theta) - L sin(theta) / (2 g t^2 cos^2(theta)),
//   d/dL = -1 / (2 g t^2 cos(theta)),  d/dt = L / (g t^3 cos(theta)),
// with 0.5 degrees = 0.00872664626 rad, 0.1 cm = 0.001 m and 1 ms = 0.001 s.
void tst_UncertaintyPropagation::propagated_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("gravity");
    QTest::addColumn<double>("dAngle");
    QTest::addColumn<double>("dLength");
    QTest::addColumn<double>("dTime");
    QTest::addColumn<double>("mu");
    QTest::addColumn<double>("uncertainty");

    // sec^2(45) = 2: 2 * 0.00872664626.
    QTest::newRow("static 45 degrees")
        << 45.0 << kNaN << kNaN << kNaN << 0.5 << 0.1 << 1.0 << 1.0 << 0.0174532925;
    // sec^2(60) = 4: 4 * 0.00872664626; length and time do not enter.
    QTest::newRow("static 60 degrees")
        << 60.0 << kNaN << kNaN << kNaN << 0.5 << 0.1 << 1.0 << 1.7320508076 << 0.0349065850;
    QTest::newRow("static, no angle uncertainty")
        << 30.0 << kNaN << kNaN << kNaN << 0.0 << 0.1 << 1.0 << 0.5773502692 << 0.0;
    // 2 g t^2 cos = 0.1: d/dL = -10 -> 0.01; d/dt = 0.1 / 0.005 = 20 -> 0.02;
    // d/dtheta = 4 - 0.0866025 / 0.05 = 2.2679492 -> 0.0197916; sqrt of the squares 0.0298615.
    QTest::newRow("kinetic 60 deg, 10 cm, 100 ms, g 10")
        << 60.0 << 10.0 << 100.0 << 10.0 << 0.5 << 0.1 << 1.0 << 0.7320508076 << 0.0298614643;
    QTest::newRow("kinetic, length and time only")
        << 60.0 << 10.0 << 100.0 << 10.0 << 0.0 << 0.1 << 1.0 << 0.7320508076 << 0.0223606798;
    // 2 g t^2 cos = 0.5656854: d/dL = -1.7677670 -> 0.0017678; d/dt = 3.5355339 -> 0.0035355;
    // d/dtheta = 2 - 0.1414214 / 0.4 = 1.6464466 -> 0.0143679; together 0.0149018.
    QTest::newRow("kinetic 45 deg, 20 cm, 200 ms, g 10")
        << 45.0 << 20.0 << 200.0 << 10.0 << 0.5 << 0.1 << 1.0 << 0.6464466094 << 0.0149017849;
}

void tst_UncertaintyPropagation::propagated()
{
    QFETCH(double, angle);
    QFETCH(double, length);
    QFETCH(double, time);
    QFETCH(double, gravity);
    QFETCH(double, dAngle);
    QFETCH(double, dLength);
    QFETCH(double, dTime);
    QFETCH(double, mu);
    QFETCH(double, uncertainty);

    const FrictionTrial trial = trialOf(angle, length, time, gravity);
    QVERIFY(std::abs(FrictionCalc::coefficient(trial) - mu) < 1e-9);
    const double got = UncertaintyPropagation::uncertainty(trial, { dAngle, dLength, dTime });
    QVERIFY2(std::abs(got - uncertainty) < 1e-9, qPrintable(QString::number(got, 'g', 12)));
}

// The kept coefficient must round to the very caption the calculator showed, down to the cases
// where the calculator's decimal pi decides the last digit.
void tst_UncertaintyPropagation::coefficientIsTheCalculators_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("time");
    QTest::addColumn<QString>("shown");

    QTest::newRow("static 30") << 30.0 << kNaN << kNaN << "0.577";
    QTest::newRow("static 89.9") << 89.9 << kNaN << kNaN << "572.957";
    QTest::newRow("kinetic 30, 5, 100") << 30.0 << 5.0 << 100.0 << "0.283";
    QTest::newRow("kinetic 25, 10, 200") << 25.0 << 10.0 << 200.0 << "0.326";
    QTest::newRow("kinetic 30, 10, 50") << 30.0 << 10.0 << 50.0 << "-1.778";
}

void tst_UncertaintyPropagation::coefficientIsTheCalculators()
{
    QFETCH(double, angle);
    QFETCH(double, length);
    QFETCH(double, time);
    QFETCH(QString, shown);

    const FrictionTrial trial = trialOf(angle, length, time, 9.80665);
    QCOMPARE(FrictionCalc::format(FrictionCalc::coefficient(trial)), shown);
}

QTEST_APPLESS_MAIN(tst_UncertaintyPropagation)
#include "tst_uncertaintypropagation.moc"
