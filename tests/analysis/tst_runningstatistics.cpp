#include "runningstatistics.h"

#include <QTest>

#include <cmath>

class tst_RunningStatistics : public QObject
{
    Q_OBJECT

private slots:
    void statistics_data();
    void statistics();
};

void tst_RunningStatistics::statistics_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("mean");
    QTest::addColumn<double>("deviation");
    QTest::addColumn<double>("error");

    // Deviations -0.02, 0, 0.02: s = sqrt(0.0008 / 2) = 0.02, s / sqrt(3) = 0.0115470054.
    QTest::newRow("three trials") << QList<double> { 0.30, 0.32, 0.34 } << 0.32 << 0.02
                                  << 0.0115470054;
    // Squared deviations 2.25 + 0.25 + 0.25 + 2.25 = 5: s = sqrt(5 / 3) = 1.2909944,
    // s / 2 = 0.6454972.
    QTest::newRow("four values") << QList<double> { 4.0, 1.0, 3.0, 2.0 } << 2.5 << 1.2909944487
                                 << 0.6454972244;
    // The same spread as "three trials" far from zero: a sum of squares loses it entirely.
    QTest::newRow("large common offset") << QList<double> { 1e9 + 0.30, 1e9 + 0.32, 1e9 + 0.34 }
                                         << 1e9 + 0.32 << 0.02 << 0.0115470054;
    QTest::newRow("one trial has no spread") << QList<double> { 0.4 } << 0.4 << qQNaN() << qQNaN();
}

void tst_RunningStatistics::statistics()
{
    QFETCH(QList<double>, values);
    QFETCH(double, mean);
    QFETCH(double, deviation);
    QFETCH(double, error);

    RunningStatistics statistics;
    for (double value : values)
        statistics.add(value);
    QCOMPARE(statistics.count(), values.size());
    QVERIFY(std::abs(statistics.mean() - mean) < 1e-6);
    if (std::isnan(deviation)) {
        QVERIFY(std::isnan(statistics.standardDeviation()));
        QVERIFY(std::isnan(statistics.standardError()));
        return;
    }
    QVERIFY2(std::abs(statistics.standardDeviation() - deviation) < 1e-6,
             qPrintable(QString::number(statistics.standardDeviation(), 'g', 12)));
    QVERIFY(std::abs(statistics.standardError() - error) < 1e-6);
}

QTEST_APPLESS_MAIN(tst_RunningStatistics)
#include "tst_runningstatistics.moc"
