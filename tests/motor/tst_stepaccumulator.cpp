#include "stepaccumulator.h"

#include <QTest>

#include <limits>

using Steps = QList<int>;

class tst_StepAccumulator : public QObject
{
    Q_OBJECT

private slots:
    void adds_data();
    void adds();
    void displayBeforeAnyChange();
    void resetShowsBlankZero();
};

void tst_StepAccumulator::adds_data()
{
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();

    QTest::addColumn<Steps>("increments");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("refused"); // how many increments were refused

    QTest::newRow("one move up") << Steps { 10000 } << 10000 << " 10000" << 0;
    QTest::newRow("up then down") << Steps { 10000, -10000 } << 0 << " 0" << 0;
    QTest::newRow("down from zero") << Steps { -10000 } << -10000 << "-10000" << 0;
    QTest::newRow("zero distance") << Steps { 0 } << 0 << " 0" << 0;
    QTest::newRow("up to the maximum") << Steps { max - 30000, 30000 } << max << " 2147483647" << 0;
    QTest::newRow("past the maximum")
        << Steps { max - 20000, 30000 } << max - 20000 << " 2147463647" << 1;
    QTest::newRow("down to the minimum")
        << Steps { min + 30000, -30000 } << min << "-2147483648" << 0;
    QTest::newRow("past the minimum")
        << Steps { min + 10, -30000, -10 } << min << "-2147483648" << 1;
}

void tst_StepAccumulator::adds()
{
    QFETCH(Steps, increments);
    QFETCH(int, count);
    QFETCH(QString, display);
    QFETCH(int, refused);

    StepAccumulator steps;
    int refusals = 0;
    for (int increment : increments)
        refusals += steps.add(increment) ? 0 : 1;
    QCOMPARE(steps.count(), count);
    QCOMPARE(steps.displayText(), display);
    QCOMPARE(refusals, refused);
}

void tst_StepAccumulator::displayBeforeAnyChange()
{
    StepAccumulator steps;
    QCOMPARE(steps.displayText(), QStringLiteral("0"));
    QVERIFY(steps.add(0));
    QCOMPARE(steps.displayText(), QStringLiteral(" 0"));
}

void tst_StepAccumulator::resetShowsBlankZero()
{
    StepAccumulator steps;
    QVERIFY(steps.add(-250));
    steps.reset();
    QCOMPARE(steps.count(), 0);
    QCOMPARE(steps.displayText(), QStringLiteral(" 0"));
}

QTEST_APPLESS_MAIN(tst_StepAccumulator)
#include "tst_stepaccumulator.moc"
