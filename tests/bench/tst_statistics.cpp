#include "statistics.h"

#include <QTest>

class tst_Statistics : public QObject
{
    Q_OBJECT

private slots:
    void summaries_data();
    void summaries();
};

void tst_Statistics::summaries_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("median");
    QTest::addColumn<double>("p90");

    QTest::newRow("one value") << QList<double> { 7 } << 7.0 << 7.0;
    // Odd count: the middle one; the 90th of 3 values is the 3rd (rank ceil(2.7)).
    QTest::newRow("three, unsorted") << QList<double> { 3, 1, 2 } << 2.0 << 3.0;
    // Even count: the mean of the 2nd and 3rd; the 90th of 4 is the 4th (rank ceil(3.6)).
    QTest::newRow("four, unsorted") << QList<double> { 4, 1, 3, 2 } << 2.5 << 4.0;
    // The 90th of 10 is the 9th smallest (rank exactly 9), not the 10th.
    QTest::newRow("ten, descending")
        << QList<double> { 10, 9, 8, 7, 6, 5, 4, 3, 2, 1 } << 5.5 << 9.0;
    // The 90th of 7 is the 7th (rank ceil(6.3)): with so few runs, the worst.
    QTest::newRow("seven, one outlier")
        << QList<double> { 1.5, 1.1, 1.2, 9.0, 1.4, 1.3, 1.0 } << 1.3 << 9.0;

    // The benchmark's own 50 moves: the 90th is the 45th smallest.
    QList<double> fifty;
    for (int i = 50; i >= 1; --i)
        fifty.append(i);
    QTest::newRow("fifty, descending") << fifty << 25.5 << 45.0;
}

void tst_Statistics::summaries()
{
    QFETCH(QList<double>, values);
    QFETCH(double, median);
    QFETCH(double, p90);

    QCOMPARE(Statistics::median(values), median);
    QCOMPARE(Statistics::percentile(values, 90), p90);
}

QTEST_APPLESS_MAIN(tst_Statistics)
#include "tst_statistics.moc"
