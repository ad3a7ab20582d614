#include "axisticks.h"

#include <QTest>

class tst_AxisTicks : public QObject
{
    Q_OBJECT

private slots:
    void oneTwoFiveSteps_data();
    void oneTwoFiveSteps();
};

using Values = QList<double>;

void tst_AxisTicks::oneTwoFiveSteps_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<int>("maxTicks");
    QTest::addColumn<bool>("whole");
    QTest::addColumn<Values>("ticks");
    QTest::addColumn<int>("decimals");

    // A span of 0.64: 0.05 would give 13 ticks, 0.1 gives 6.
    QTest::newRow("µ 0.08 to 0.72")
        << 0.08 << 0.72 << 8 << false << Values { 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7 } << 1;
    QTest::newRow("µ 0.27 to 0.48 at 0.05")
        << 0.27 << 0.48 << 8 << false << Values { 0.3, 0.35, 0.4, 0.45 } << 2;
    QTest::newRow("µ -0.1 to 1.1 at 0.2")
        << -0.1 << 1.1 << 8 << false << Values { 0.0, 0.2, 0.4, 0.6, 0.8, 1.0 } << 1;
    QTest::newRow("trials 0.5 to 3.5, never between whole numbers")
        << 0.5 << 3.5 << 10 << true << Values { 1, 2, 3 } << 0;
    QTest::newRow("trials 0.5 to 100.5 at 20")
        << 0.5 << 100.5 << 10 << true << Values { 20, 40, 60, 80, 100 } << 0;
    QTest::newRow("trials 0.5 to 45.5 at 5")
        << 0.5 << 45.5 << 10 << true << Values { 5, 10, 15, 20, 25, 30, 35, 40, 45 } << 0;
    QTest::newRow("an empty range has no ticks") << 1.0 << 1.0 << 8 << false << Values {} << 0;
}

void tst_AxisTicks::oneTwoFiveSteps()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(int, maxTicks);
    QFETCH(bool, whole);
    QFETCH(Values, ticks);
    QFETCH(int, decimals);

    const AxisTicks found = AxisTicks::over(min, max, maxTicks, whole);
    QCOMPARE(found.values.size(), ticks.size());
    for (int i = 0; i < ticks.size(); ++i)
        QVERIFY2(qAbs(found.values.at(i) - ticks.at(i)) < 1e-12,
                 qPrintable(QString::number(found.values.at(i))));
    QCOMPARE(found.decimals, decimals);
}

QTEST_APPLESS_MAIN(tst_AxisTicks)
#include "tst_axisticks.moc"
