#include "indexermodel.h"

#include <QTest>

#include <cmath>

namespace {

QStringList texts(const QList<IndexerEvent> &events)
{
    QStringList list;
    for (const IndexerEvent &event : events)
        list << event.text;
    return list;
}

bool near(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance;
}

} // namespace

class tst_IndexerModel : public QObject
{
    Q_OBJECT

private slots:
    void commandEffects_data();
    void commandEffects();
    void malformedChangesNothing_data();
    void malformedChangesNothing();
    void storesParameters();
    void lineEndings_data();
    void lineEndings();
    void onlyCommandsCarryBytes();
    void overlongLineIsDroppedToItsEnd();
    void endlessStreamGivesOneOverlong();
    void quotesControlBytes_data();
    void quotesControlBytes();

    void trapezoidalMove_data();
    void trapezoidalMove();
    void trapezoidalMoveEndsOnTime();
    void triangularShortMove_data();
    void triangularShortMove();
    void reverseMove();
    void positionReports();
    void continuousRunsUntilStop();
    void stopDeceleratesNormalMove();
    void stopRightAfterGo();
    void goWhileMovingIsRefused();
    void cannotStart_data();
    void cannotStart();
    void zeroDistanceEndsAtOnce();
    void stepsPerRevolution();
    void clockNeverGoesBack();
};

void tst_IndexerModel::commandEffects_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("limits LD0") << QByteArray("LD0\r")
                                << QStringList { R"(cmd "LD0\r")", "limits 0" };
    QTest::newRow("limits lower case ld3")
        << QByteArray("ld3\r") << QStringList { R"(cmd "ld3\r")", "limits 3" };
    QTest::newRow("acceleration whole")
        << QByteArray("A5\r") << QStringList { R"(cmd "A5\r")", "accel 5rps2" };
    QTest::newRow("acceleration decimals, lower case")
        << QByteArray("a2.5\r") << QStringList { R"(cmd "a2.5\r")", "accel 2.5rps2" };
    QTest::newRow("acceleration leading point")
        << QByteArray("A.25\r") << QStringList { R"(cmd "A.25\r")", "accel 0.25rps2" };
    QTest::newRow("acceleration trailing point")
        << QByteArray("A7.\r") << QStringList { R"(cmd "A7.\r")", "accel 7rps2" };
    QTest::newRow("acceleration zero")
        << QByteArray("A0\r") << QStringList { R"(cmd "A0\r")", "accel 0rps2" };
    QTest::newRow("acceleration at the top")
        << QByteArray("A9999\r") << QStringList { R"(cmd "A9999\r")", "accel 9999rps2" };
    QTest::newRow("velocity preset v10")
        << QByteArray("v10\r") << QStringList { R"(cmd "v10\r")", "velocity 10rps" };
    QTest::newRow("velocity decimals")
        << QByteArray("V0.125\r") << QStringList { R"(cmd "V0.125\r")", "velocity 0.125rps" };
    QTest::newRow("distance up") << QByteArray("D10000\r")
                                 << QStringList { R"(cmd "D10000\r")", "distance 10000" };
    QTest::newRow("distance down")
        << QByteArray("D-10000\r") << QStringList { R"(cmd "D-10000\r")", "distance -10000" };
    QTest::newRow("distance plus sign")
        << QByteArray("D+250\r") << QStringList { R"(cmd "D+250\r")", "distance 250" };
    QTest::newRow("distance down zero keeps its sign")
        << QByteArray("D-0\r") << QStringList { R"(cmd "D-0\r")", "distance -0" };
    QTest::newRow("distance leading zeros")
        << QByteArray("d007\r") << QStringList { R"(cmd "d007\r")", "distance 7" };
    QTest::newRow("distance at the top")
        << QByteArray("D99999999\r") << QStringList { R"(cmd "D99999999\r")", "distance 99999999" };
    QTest::newRow("mode normal") << QByteArray("MN\r")
                                 << QStringList { R"(cmd "MN\r")", "mode MN" };
    QTest::newRow("mode continuous, lower case")
        << QByteArray("mc\r") << QStringList { R"(cmd "mc\r")", "mode MC" };
    QTest::newRow("blanks at both ends")
        << QByteArray(" v10 \r") << QStringList { R"(cmd " v10 \r")", "velocity 10rps" };
    QTest::newRow("stop at rest") << QByteArray(
        "S\r") << QStringList { R"(cmd "S\r")", "stop position=0 speed=0.00rps" };
    QTest::newRow("stop preset s")
        << QByteArray("s\r") << QStringList { R"(cmd "s\r")", "stop position=0 speed=0.00rps" };
    QTest::newRow("go with nothing set")
        << QByteArray("G\r")
        << QStringList { R"(cmd "G\r")", R"(cannot-start reason="acceleration is 0")" };
    QTest::newRow("empty line") << QByteArray("\r") << QStringList { R"(cmd "\r")", "empty" };
    QTest::newRow("blank line") << QByteArray(" \t \r")
                                << QStringList { R"(cmd " \t \r")", "empty" };
    QTest::newRow("unknown word") << QByteArray("XYZ\r")
                                  << QStringList { R"(cmd "XYZ\r")", R"(unknown "XYZ")" };
    QTest::newRow("unknown L without D")
        << QByteArray("L5\r") << QStringList { R"(cmd "L5\r")", R"(unknown "L5")" };
    QTest::newRow("unknown control byte")
        << QByteArray("\x01\r") << QStringList { R"(cmd "\x01\r")", R"(unknown "\x01")" };
}

void tst_IndexerModel::commandEffects()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    IndexerModel model;
    QCOMPARE(texts(model.receive(input, 1.0)), expected);
}

void tst_IndexerModel::malformedChangesNothing_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QString>("reason");

    const QString velocity = "velocity needs a number from 0 to 999";
    const QString acceleration = "acceleration needs a number from 0 to 9999";
    const QString distance = "distance needs whole steps up to 99999999";
    const QString limits = "limits need a digit from 0 to 3";
    QTest::newRow("V with a letter") << QByteArray("Vx") << velocity;
    QTest::newRow("V alone") << QByteArray("V") << velocity;
    QTest::newRow("V negative") << QByteArray("V-1") << velocity;
    QTest::newRow("V above the top") << QByteArray("V1000") << velocity;
    QTest::newRow("V two points") << QByteArray("V1.2.3") << velocity;
    QTest::newRow("V blank inside") << QByteArray("V 5") << velocity;
    QTest::newRow("V lone point") << QByteArray("V.") << velocity;
    QTest::newRow("A negative") << QByteArray("A-1") << acceleration;
    QTest::newRow("A alone") << QByteArray("A") << acceleration;
    QTest::newRow("A above the top") << QByteArray("A10000") << acceleration;
    QTest::newRow("A exponent") << QByteArray("A1e3") << acceleration;
    QTest::newRow("D alone") << QByteArray("D") << distance;
    QTest::newRow("D minus alone") << QByteArray("D-") << distance;
    QTest::newRow("D decimals") << QByteArray("D1.5") << distance;
    QTest::newRow("D nine digits") << QByteArray("D100000000") << distance;
    QTest::newRow("D twenty digits") << QByteArray("D99999999999999999999") << distance;
    QTest::newRow("D two minus signs") << QByteArray("D--5") << distance;
    QTest::newRow("D plus minus") << QByteArray("D+-5") << distance;
    QTest::newRow("LD letter") << QByteArray("LDx") << limits;
    QTest::newRow("LD above 3") << QByteArray("LD4") << limits;
    QTest::newRow("LD alone") << QByteArray("LD") << limits;
    QTest::newRow("LD two digits") << QByteArray("LD12") << limits;
    QTest::newRow("mode MX") << QByteArray("MX") << "mode is MN or MC";
    QTest::newRow("M alone") << QByteArray("M") << "mode is MN or MC";
    QTest::newRow("G with argument") << QByteArray("G1") << "G takes no argument";
    QTest::newRow("S with argument") << QByteArray("SX") << "S takes no argument";
}

void tst_IndexerModel::malformedChangesNothing()
{
    QFETCH(QByteArray, command);
    QFETCH(QString, reason);
    IndexerModel model;
    model.receive("LD1\rA3\rV4\rD-100\rMC\r", 0);

    QCOMPARE(texts(model.receive(command + '\r', 1)),
             (QStringList { QStringLiteral("cmd \"%1\\r\"").arg(QLatin1String(command)),
                            QStringLiteral("malformed \"%1\" reason=\"%2\"")
                                .arg(QLatin1String(command), reason) }));
    QCOMPARE(model.limits(), 1);
    QCOMPARE(model.acceleration(), 3.0);
    QCOMPARE(model.velocity(), 4.0);
    QCOMPARE(model.distance(), 100);
    QVERIFY(model.reverse());
    QCOMPARE(model.mode(), IndexerModel::Mode::Continuous);
    QVERIFY(!model.isMoving());
}

void tst_IndexerModel::storesParameters()
{
    IndexerModel model;
    model.receive("LD2\ra2.5\rV0.125\rD-0\rmc\r", 0);
    QCOMPARE(model.limits(), 2);
    QCOMPARE(model.acceleration(), 2.5);
    QCOMPARE(model.velocity(), 0.125);
    QCOMPARE(model.distance(), 0);
    QVERIFY(model.reverse());
    QCOMPARE(model.mode(), IndexerModel::Mode::Continuous);

    model.receive("D+40\rMN\r", 1);
    QCOMPARE(model.distance(), 40);
    QVERIFY(!model.reverse());
    QCOMPARE(model.mode(), IndexerModel::Mode::Normal);
}

void tst_IndexerModel::lineEndings_data()
{
    QTest::addColumn<QList<QByteArray>>("reads");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("carriage return")
        << QList<QByteArray> { "A5\r" } << QStringList { R"(cmd "A5\r")", "accel 5rps2" };
    QTest::newRow("line feed alone")
        << QList<QByteArray> { "A5\n" } << QStringList { R"(cmd "A5\n")", "accel 5rps2" };
    QTest::newRow("CR LF counts once")
        << QList<QByteArray> { "A5\r\nV5\r\n" }
        << QStringList { R"(cmd "A5\r\n")", "accel 5rps2", R"(cmd "V5\r\n")", "velocity 5rps" };
    QTest::newRow("CR LF split between reads")
        << QList<QByteArray> { "A5\r", "\nV5\r" }
        << QStringList { R"(cmd "A5\r")", "accel 5rps2", R"(cmd "V5\r")", "velocity 5rps" };
    QTest::newRow("LF CR ends two commands")
        << QList<QByteArray> { "A5\n\r" }
        << QStringList { R"(cmd "A5\n")", "accel 5rps2", R"(cmd "\r")", "empty" };
    QTest::newRow("two carriage returns")
        << QList<QByteArray> { "A5\r\r" }
        << QStringList { R"(cmd "A5\r")", "accel 5rps2", R"(cmd "\r")", "empty" };
    QTest::newRow("command split between reads")
        << QList<QByteArray> { "A", "5", "\r" } << QStringList { R"(cmd "A5\r")", "accel 5rps2" };
    QTest::newRow("no end yet") << QList<QByteArray> { "A5" } << QStringList {};
    QTest::newRow("a move's set-up in one read")
        << QList<QByteArray> { "LD0\rA5\rV5\rD10000\rMN\r" }
        << QStringList { R"(cmd "LD0\r")", "limits 0",      R"(cmd "A5\r")",     "accel 5rps2",
                         R"(cmd "V5\r")",  "velocity 5rps", R"(cmd "D10000\r")", "distance 10000",
                         R"(cmd "MN\r")",  "mode MN" };
}

void tst_IndexerModel::lineEndings()
{
    QFETCH(QList<QByteArray>, reads);
    QFETCH(QStringList, expected);
    IndexerModel model;
    QStringList actual;
    for (const QByteArray &read : reads)
        actual << texts(model.receive(read, 1));
    QCOMPARE(actual, expected);
}

void tst_IndexerModel::onlyCommandsCarryBytes()
{
    IndexerModel model;
    QList<QByteArray> bytes;
    for (const IndexerEvent &event : model.receive("A5\r\nxyz\r" + QByteArray(200, 'X') + "\n", 0))
        bytes << event.bytes;
    QCOMPARE(bytes, (QList<QByteArray> { "A5\r\n", "", "xyz\r", "", "" }));
}

void tst_IndexerModel::overlongLineIsDroppedToItsEnd()
{
    IndexerModel model;
    // The longest line kept is still taken as a command.
    QCOMPARE(texts(model.receive(QByteArray(128, 'X') + '\r', 0)).last(),
             "unknown \"" + QString(128, 'X') + '"');

    QCOMPARE(
        texts(model.receive(QByteArray(129, 'X') + "\rV5\r", 1)),
        (QStringList { R"(overlong start="XXXXXXXXXXXXXXXX")", R"(cmd "V5\r")", "velocity 5rps" }));
}

void tst_IndexerModel::endlessStreamGivesOneOverlong()
{
    IndexerModel model;
    QStringList actual;
    for (int read = 0; read < 100; ++read)
        actual << texts(model.receive(QByteArray(1000, 'a'), read));
    QCOMPARE(actual, QStringList { R"(overlong start="aaaaaaaaaaaaaaaa")" });
}

void tst_IndexerModel::quotesControlBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << QByteArray("A5") << R"("A5")";
    QTest::newRow("CR LF tab") << QByteArray("\r\n\t") << R"("\r\n\t")";
    QTest::newRow("quote and backslash") << QByteArray("\"\\") << R"("\"\\")";
    QTest::newRow("control and high bytes")
        << QByteArray("\x00\x1b\x7f\xff", 4) << R"("\x00\x1b\x7f\xff")";
    QTest::newRow("empty") << QByteArray() << R"("")";
}

void tst_IndexerModel::quotesControlBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(IndexerModel::quoted(bytes), expected);
}

// A5 and V5 at 25000 steps a revolution: 125000 steps/s^2 up to 125000 steps/s. 250000 steps take
// 1 s up the ramp (62500 steps), 1 s of cruise (125000 steps) and 1 s down the ramp.
void tst_IndexerModel::trapezoidalMove_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("speed");

    QTest::newRow("at the start") << 10.0 << 0.0 << 0.0;
    QTest::newRow("half-way up the ramp") << 10.5 << 15625.0 << 2.5;
    QTest::newRow("top of the ramp") << 11.0 << 62500.0 << 5.0;
    QTest::newRow("cruising") << 11.5 << 125000.0 << 5.0;
    QTest::newRow("half-way down the ramp") << 12.5 << 234375.0 << 2.5;
    QTest::newRow("at the end") << 13.0 << 250000.0 << 0.0;
    QTest::newRow("long after the end") << 20.0 << 250000.0 << 0.0;
}

void tst_IndexerModel::trapezoidalMove()
{
    QFETCH(double, time);
    QFETCH(double, position);
    QFETCH(double, speed);
    IndexerModel model;
    model.receive("A5\rV5\rD250000\rMN\r", 9);
    QCOMPARE(texts(model.receive("G\r", 10)),
             (QStringList { R"(cmd "G\r")", "move-start target=250000 from=0 duration=3.000s" }));
    QVERIFY2(near(model.position(time), position, 0.01),
             qPrintable(QString::number(model.position(time))));
    QVERIFY2(near(model.speed(time), speed, 1e-6), qPrintable(QString::number(model.speed(time))));
}

void tst_IndexerModel::trapezoidalMoveEndsOnTime()
{
    IndexerModel model;
    model.receive("A5\rV5\rD250000\rMN\rG\r", 10);
    QVERIFY(model.isMoving());
    model.advance(12.9);
    QVERIFY(model.isMoving());
    const QList<IndexerEvent> events = model.advance(13.2);
    QCOMPARE(texts(events), QStringList { "move-end position=250000" });
    QVERIFY(near(events.first().time, 13.0, 1e-9));
    QVERIFY(!model.isMoving());
    QCOMPARE(model.position(14), 250000.0);
}

// The program's own start-up move: A5, V5, D10000 never reaches 5 rps. Half the distance in
// sqrt(5000 / 125000) = 0.2828 s, at a top speed of 1.414 rps.
void tst_IndexerModel::triangularShortMove_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<double>("position");
    QTest::addColumn<double>("speed");

    QTest::newRow("on the way up") << 0.1 << 625.0 << 0.5;
    QTest::newRow("at the peak") << 0.2828427 << 5000.0 << 1.414214;
    QTest::newRow("on the way down") << 0.5 << 9730.34 << 0.328427;
    QTest::newRow("at the end") << 0.5656855 << 10000.0 << 0.0;
}

void tst_IndexerModel::triangularShortMove()
{
    QFETCH(double, time);
    QFETCH(double, position);
    QFETCH(double, speed);
    IndexerModel model;
    QCOMPARE(texts(model.receive("LD0\rA5\rV5\rD10000\rMN\rG\r", 0)).last(),
             QStringLiteral("move-start target=10000 from=0 duration=0.566s"));
    QVERIFY2(near(model.position(time), position, 0.05),
             qPrintable(QString::number(model.position(time))));
    QVERIFY2(near(model.speed(time), speed, 1e-5), qPrintable(QString::number(model.speed(time))));
}

void tst_IndexerModel::reverseMove()
{
    IndexerModel model;
    model.receive("A5\rV5\rD10000\rG\r", 0);
    model.advance(1);
    QCOMPARE(texts(model.receive("D-10000\rG\r", 2)).last(),
             QStringLiteral("move-start target=0 from=10000 duration=0.566s"));
    QVERIFY(near(model.position(2.1), 9375, 0.01));
    QVERIFY(near(model.speed(2.1), -0.5, 1e-9));
    QCOMPARE(texts(model.advance(3)), QStringList { "move-end position=0" });
}

void tst_IndexerModel::positionReports()
{
    IndexerModel model;
    model.receive("A5\rV5\rD250000\rG\r", 0);
    QVERIFY(model.advance(0.1).isEmpty());

    const QList<IndexerEvent> first = model.advance(0.25);
    QCOMPARE(texts(first), QStringList { "pos position=3906 speed=1.25rps" });
    QCOMPARE(first.first().time, 0.25);
    QVERIFY(model.advance(0.3).isEmpty());

    // After a stall only the latest report that fell due comes out.
    const QList<IndexerEvent> late = model.advance(2.1);
    QCOMPARE(texts(late), QStringList { "pos position=187500 speed=5.00rps" });
    QCOMPARE(late.first().time, 2.0);

    QCOMPARE(texts(model.advance(5)), QStringList { "move-end position=250000" });
    QVERIFY(model.advance(6).isEmpty());
}

void tst_IndexerModel::continuousRunsUntilStop()
{
    IndexerModel model;
    QCOMPARE(texts(model.receive("A5\rV5\rD-100\rMC\rG\r", 0)).last(),
             QStringLiteral("move-start continuous from=0 speed=-5.00rps"));
    QVERIFY(near(model.position(1), -62500, 0.01));
    QVERIFY(near(model.position(2), -187500, 0.01));
    QCOMPARE(texts(model.advance(2.9)), QStringList { "pos position=-281250 speed=-5.00rps" });
    QVERIFY(model.isMoving());

    QCOMPARE(texts(model.receive("S\r", 2.95)),
             (QStringList { R"(cmd "S\r")", "stop position=-306250 speed=-5.00rps" }));
    QVERIFY(near(model.position(3.45), -353125, 0.01));
    QVERIFY(near(model.speed(3.45), -2.5, 1e-9));
    const QList<IndexerEvent> end = model.advance(10);
    QCOMPARE(texts(end), QStringList { "move-end position=-368750" });
    QVERIFY(near(end.first().time, 3.95, 1e-9));
    QVERIFY(!model.isMoving());
}

void tst_IndexerModel::stopDeceleratesNormalMove()
{
    IndexerModel model;
    model.receive("A5\rV5\rD250000\rMN\rG\r", 0);
    QCOMPARE(texts(model.receive("S\r", 0.2)),
             (QStringList { R"(cmd "S\r")", "stop position=2500 speed=1.00rps" }));
    const QList<IndexerEvent> end = model.advance(1);
    QCOMPARE(texts(end), QStringList { "move-end position=5000" });
    QVERIFY(near(end.first().time, 0.4, 1e-9));
    QCOMPARE(model.position(1), 5000.0);
}

void tst_IndexerModel::stopRightAfterGo()
{
    IndexerModel model;
    QCOMPARE(
        texts(model.receive("A5\rV5\rD100\rG\rS\r", 0)).mid(6),
        (QStringList { R"(cmd "G\r")", "move-start target=100 from=0 duration=0.057s",
                       R"(cmd "S\r")", "stop position=0 speed=0.00rps", "move-end position=0" }));
    QVERIFY(!model.isMoving());
}

void tst_IndexerModel::goWhileMovingIsRefused()
{
    IndexerModel model;
    model.receive("A5\rV5\rD10000\rG\r", 0);
    QCOMPARE(texts(model.receive("D5000\rG\r", 0.1)),
             (QStringList { R"(cmd "D5000\r")", "distance 5000", R"(cmd "G\r")",
                            R"(refused reason="already moving")" }));
    QCOMPARE(texts(model.advance(1)), QStringList { "move-end position=10000" });
    // The distance given during the move applies to the next one.
    QCOMPARE(texts(model.receive("G\r", 2)).last(),
             QStringLiteral("move-start target=15000 from=10000 duration=0.400s"));
}

void tst_IndexerModel::cannotStart_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no acceleration")
        << QByteArray("A0\rV5\rD100\rG\r") << R"(cannot-start reason="acceleration is 0")";
    QTest::newRow("no velocity") << QByteArray("A5\rV0\rD100\rG\r")
                                 << R"(cannot-start reason="velocity is 0")";
    QTest::newRow("neither") << QByteArray("A0\rV0\rD100\rG\r")
                             << R"(cannot-start reason="acceleration is 0")";
    QTest::newRow("continuous without velocity")
        << QByteArray("A5\rV0\rMC\rG\r") << R"(cannot-start reason="velocity is 0")";
}

void tst_IndexerModel::cannotStart()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    IndexerModel model;
    QCOMPARE(texts(model.receive(input, 0)).last(), expected);
    QVERIFY(!model.isMoving());
    QCOMPARE(model.position(5), 0.0);
}

void tst_IndexerModel::zeroDistanceEndsAtOnce()
{
    IndexerModel model;
    QCOMPARE(texts(model.receive("A5\rV5\rD0\rG\r", 1)).mid(6),
             (QStringList { R"(cmd "G\r")", "move-start target=0 from=0 duration=0.000s",
                            "move-end position=0" }));
    QVERIFY(!model.isMoving());
}

void tst_IndexerModel::stepsPerRevolution()
{
    // 1000 steps a revolution: 5000 steps/s^2; 1000 steps take 2 * sqrt(1000 / 5000) s.
    IndexerModel model(1000);
    QCOMPARE(model.stepsPerRevolution(), 1000);
    QCOMPARE(texts(model.receive("A5\rV5\rD1000\rG\r", 0)).last(),
             QStringLiteral("move-start target=1000 from=0 duration=0.894s"));
}

void tst_IndexerModel::clockNeverGoesBack()
{
    IndexerModel model;
    model.receive("A5\r", 5);
    const QList<IndexerEvent> events = model.receive("V5\r", 3);
    QCOMPARE(events.first().time, 5.0);
}

QTEST_APPLESS_MAIN(tst_IndexerModel)
#include "tst_indexermodel.moc"
