// The ramp window on a simulator in this process, driven as the program drives it: commands
// written to the pseudo-terminal, the window's button from the keyboard.

#include "indexersimulator.h"
#include "rampwindow.h"
#include "textfit.h"

#include <QFile>
#include <QLabel>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

class tst_RampWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsTheTrial();
    void longestTextsFit();

private:
    QString text(const RampWindow &window, const char *label)
    {
        return window.findChild<QLabel *>(QLatin1String(label))->text();
    }
};

void tst_RampWindow::showsTheTrial()
{
    // 2500 steps a degree: A10 V10 tilt at 100 degrees/s^2 up to 100 degrees/s.
    IndexerSimulator::Options options;
    options.ramp.ramp.stepsPerDegree = 2500;
    IndexerSimulator simulator(options);
    QCOMPARE(simulator.open(), QString());
    RampWindow window(simulator);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Tiltbench Virtual Ramp"));
    QCOMPARE(text(window, "lblAngle"), QStringLiteral("Angle: 0.0°"));
    QCOMPARE(text(window, "lblDeltaT"), QStringLiteral("Last ΔT: none yet"));
    QCOMPARE(text(window, "lblSlipAngle"), QStringLiteral("Slid at: not yet"));
    const QSize size = window.size();
    QCOMPARE(text(window, "lblLine"), QStringLiteral("Line: 9600,n,8,1, as the indexer's"));

    const int fd = ::open(QFile::encodeName(simulator.devicePath()).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const auto send = [fd](const QByteArray &bytes) {
        return ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    };
    const auto setSpeed = [fd](speed_t speed) {
        termios settings = {};
        ::tcgetattr(fd, &settings);
        ::cfsetspeed(&settings, speed);
        return ::tcsetattr(fd, TCSANOW, &settings) == 0;
    };

    // Up to 30 degrees; the block slips at atan(0.45) = 24.228 degrees on the way, where
    // a = 9.80665 (sin - 0.32 cos) = 9.80665 (0.41036 - 0.32 x 0.91192) = 9.80665 x 0.11855
    // = 1.16259 m/s^2, and dT = sqrt(0.05 / 2.32518) = sqrt(0.021504) = 0.14664 s.
    QVERIFY(send("A10\rV10\rD75000\rMN\rG\r"));
    QTRY_COMPARE(text(window, "lblAngle"), QStringLiteral("Angle: 30.0°"));
    QTRY_COMPARE(text(window, "lblBlock"), QStringLiteral("Block: passed the gate"));
    QCOMPARE(text(window, "lblDeltaT"), QStringLiteral("Last ΔT: 146.64 ms"));
    // The angle a trial needs, to the log's three decimals, where the ramp is now at 30.
    QCOMPARE(text(window, "lblSlipAngle"), QStringLiteral("Slid at: 24.228°"));

    // Back down to 10 degrees, where the block, placed again with Alt+P, stays at rest.
    QVERIFY(send("D-50000\rG\r"));
    QTRY_COMPARE(text(window, "lblAngle"), QStringLiteral("Angle: 10.0°"));
    QCOMPARE(text(window, "lblBlock"), QStringLiteral("Block: passed the gate"));
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(text(window, "lblBlock"), QStringLiteral("Block: at rest at the top"));

    // A program on the wrong speed is shown, and its commands move nothing.
    QVERIFY(setSpeed(B19200));
    QVERIFY(send("D50000\rG\r"));
    QTRY_COMPARE(text(window, "lblLine"),
                 QStringLiteral("Line mismatch: the program set 19200,n,8,1, the indexer uses "
                                "9600,n,8,1"));
    QVERIFY(!simulator.ramp().indexer().isMoving());
    QCOMPARE(text(window, "lblAngle"), QStringLiteral("Angle: 10.0°"));
    // The longer message wraps in its room: the window keeps its size and shows every word.
    QCOMPARE(window.size(), size);
    const QStringList clipped = clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    ::close(fd);
}

// The window's longest states, in whatever language the run has: the block past the gate with
// its time, and a line mismatch; they fit without the window growing.
void tst_RampWindow::longestTextsFit()
{
    IndexerSimulator::Options options;
    options.ramp.ramp.stepsPerDegree = 2500;
    IndexerSimulator simulator(options);
    QCOMPARE(simulator.open(), QString());
    RampWindow window(simulator);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QSize size = window.size();
    const QString noTime = text(window, "lblDeltaT");
    const QString sameLine = text(window, "lblLine");

    const int fd = ::open(QFile::encodeName(simulator.devicePath()).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray trial("A10\rV10\rD75000\rMN\rG\r");
    QVERIFY(::write(fd, trial.constData(), size_t(trial.size())) == trial.size());
    QTRY_VERIFY(text(window, "lblDeltaT") != noTime);
    termios settings = {};
    ::tcgetattr(fd, &settings);
    ::cfsetspeed(&settings, B19200);
    QVERIFY(::tcsetattr(fd, TCSANOW, &settings) == 0);
    const QByteArray move("D50000\rG\r");
    QVERIFY(::write(fd, move.constData(), size_t(move.size())) == move.size());
    QTRY_VERIFY(text(window, "lblLine") != sameLine);

    QCOMPARE(window.size(), size);
    const QStringList clipped = clippedTexts(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    ::close(fd);
}

QTEST_MAIN(tst_RampWindow)
#include "tst_rampwindow.moc"
