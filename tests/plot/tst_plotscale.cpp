#include "plotscale.h"

#include <QTest>

// What the axes and the legend of every drawing of the plot say.
class tst_PlotScale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void roundedToTheUncertainty_data();
    void roundedToTheUncertainty();
    void legendOfAFittedLine();
    void rangeHoldsBarsAndLines();
};

void tst_PlotScale::roundedToTheUncertainty_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("uncertainty");
    QTest::addColumn<QString>("text");
    QTest::newRow("two digits of 0.0197") << 0.27213 << 0.0197 << "0.272 \u00b1 0.020";
    QTest::newRow("two digits of 0.00081") << 0.002134 << 0.00081 << "0.00213 \u00b1 0.00081";
    QTest::newRow("1.5 keeps its tenth") << 12.345 << 1.5 << "12.3 \u00b1 1.5";
    QTest::newRow("a huge uncertainty, whole numbers") << 573.2 << 2865.0 << "573 \u00b1 2865";
    QTest::newRow("a negative slope") << -0.00412 << 0.0011 << "-0.0041 \u00b1 0.0011";
}

void tst_PlotScale::roundedToTheUncertainty()
{
    QFETCH(double, value);
    QFETCH(double, uncertainty);
    QFETCH(QString, text);
    QCOMPARE(PlotScale::withUncertainty(value, uncertainty), text);
}

void tst_PlotScale::legendOfAFittedLine()
{
    PlotSeries series;
    // Slope 0.003 ± 0.001 and intercept 0.23667 ± 0.02749, worked out by hand for the analysis
    // room's own test: the slope is three of its σ from 0.
    series.fit = LinearFit { 0.003, 0.001, 0.2366666667, 0.0274873708, 1.0, 1 };
    QCOMPARE(
        PlotScale::fitText(series),
        QStringLiteral("slope 0.0030 \u00b1 0.0010 per degree, intercept 0.237 \u00b1 0.027 *"));
    series.fit->slope = 0.0015;
    QCOMPARE(PlotScale::fitText(series),
             QStringLiteral("slope 0.0015 \u00b1 0.0010 per degree, intercept 0.237 \u00b1 0.027"));
}

void tst_PlotScale::rangeHoldsBarsAndLines()
{
    PlotData plot;
    plot.axis = PlotAxis::Angle;
    PlotSeries series;
    series.points = { { 1, 20.0, 0.30, 0.01 }, { 2, 40.0, 0.36, 0.01 } };
    // A line that rises above the points at the last angle: 0.1 + 0.007 · 40 = 0.38.
    series.fit = LinearFit { 0.007, 0.001, 0.1, 0.01, 0.0, 0 };
    plot.series = { series };

    const PlotScale byAngle = PlotScale::of(plot);
    // Angles 20 to 40, a twentieth of the span (1°) to either side.
    QCOMPARE(byAngle.xMin, 19.0);
    QCOMPARE(byAngle.xMax, 41.0);
    // µ from 0.24 (the line at 20°) to 0.38, a tenth of the span (0.014) more on each side.
    QVERIFY(qAbs(byAngle.yMin - 0.226) < 1e-9);
    QVERIFY(qAbs(byAngle.yMax - 0.394) < 1e-9);
    QCOMPARE(byAngle.xTitle, QStringLiteral("Ramp angle (degrees)"));

    // Against trial number the line is not drawn: µ from 0.29 to 0.37 only, and at least 0.01
    // more on each side; whole trials.
    plot.axis = PlotAxis::Trial;
    const PlotScale byTrial = PlotScale::of(plot);
    QCOMPARE(byTrial.xMin, 0.5);
    QCOMPARE(byTrial.xMax, 2.5);
    QCOMPARE(byTrial.xTicks.values, QList<double>({ 1.0, 2.0 }));
    QVERIFY(qAbs(byTrial.yMax - 0.38) < 1e-9);
    QCOMPARE(PlotScale::tickLabel(-1e-17, 2), QStringLiteral("0.00"));
}

QTEST_APPLESS_MAIN(tst_PlotScale)
#include "tst_plotscale.moc"
