#include "physicschecks.h"

#include <QTest>

// The checks at their edges: each limit and the value just inside it.
class tst_PhysicsChecks : public QObject
{
    Q_OBJECT

private slots:
    void trialsAtTheEdges_data();
    void trialsAtTheEdges();
    void kineticAboveStatic();
};

using Kind = PhysicsChecks::Kind;
using Flags = PhysicsChecks::Flags;

void tst_PhysicsChecks::trialsAtTheEdges_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<double>("mu");
    QTest::addColumn<double>("angle");
    QTest::addColumn<Flags>("flags");

    QTest::newRow("µk 0 is sound") << Kind::Kinetic << 0.0 << 24.0 << Flags();
    QTest::newRow("µk just below 0")
        << Kind::Kinetic << -0.0001 << 24.0 << Flags(PhysicsChecks::NegativeKinetic);
    QTest::newRow("a negative µs is no kinetic check") << Kind::Static << -0.0001 << 0.0 << Flags();
    QTest::newRow("µ 2 is sound") << Kind::Static << 2.0 << 63.0 << Flags();
    QTest::newRow("µs just over 2")
        << Kind::Static << 2.0001 << 63.5 << Flags(PhysicsChecks::LargeMu);
    QTest::newRow("µk 573 at 89.9°")
        << Kind::Kinetic << 573.0 << 89.9 << (PhysicsChecks::LargeMu | PhysicsChecks::SteepAngle);
    QTest::newRow("79.9°") << Kind::Kinetic << 0.3 << 79.9 << Flags();
    QTest::newRow("80°") << Kind::Kinetic << 0.3 << 80.0 << Flags(PhysicsChecks::SteepAngle);
}

void tst_PhysicsChecks::trialsAtTheEdges()
{
    QFETCH(Kind, kind);
    QFETCH(double, mu);
    QFETCH(double, angle);
    QFETCH(Flags, flags);

    const Flags found = PhysicsChecks::ofTrial(kind, mu, angle);
    QCOMPARE(found, flags);
    // Every flag found is explained, one line each; a sound trial has nothing to say.
    const QString text = PhysicsChecks::explanation(found);
    QCOMPARE(text.isEmpty() ? 0 : int(text.count(u'\n')) + 1,
             int(bool(found & PhysicsChecks::NegativeKinetic))
                 + int(bool(found & PhysicsChecks::LargeMu))
                 + int(bool(found & PhysicsChecks::SteepAngle)));
}

void tst_PhysicsChecks::kineticAboveStatic()
{
    QVERIFY(PhysicsChecks::kineticExceedsStatic(0.45, 0.46));
    QVERIFY(!PhysicsChecks::kineticExceedsStatic(0.45, 0.45));
    QVERIFY(!PhysicsChecks::kineticExceedsStatic(0.45, 0.32));
}

QTEST_APPLESS_MAIN(tst_PhysicsChecks)
#include "tst_physicschecks.moc"
