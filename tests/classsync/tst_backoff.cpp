#include "backoff.h"

#include <QTest>

using namespace std::chrono_literals;

class tst_Backoff : public QObject
{
    Q_OBJECT

private slots:
    void doublesUpToTheLongestAndStartsOverAfterASuccess();
};

void tst_Backoff::doublesUpToTheLongestAndStartsOverAfterASuccess()
{
    Backoff backoff;
    QList<std::chrono::milliseconds> waits;
    for (int i = 0; i < 7; ++i)
        waits << backoff.next();
    QCOMPARE(waits, (QList<std::chrono::milliseconds> { 1s, 2s, 4s, 8s, 16s, 30s, 30s }));
    backoff.reset();
    QCOMPARE(backoff.next(), 1s);
}

QTEST_APPLESS_MAIN(tst_Backoff)
#include "tst_backoff.moc"
