// The whole station against the simulated indexer: the real simulator process publishes a
// pseudo-terminal as port 1 of a private port map, the main window opens it through the real serial
// layer, and the simulator's log shows what arrived and where the motor went. On its virtual ramp
// a whole friction trial runs, and the calculator recovers the block's coefficients from it.

#include "fakemessageboxes.h"
#include "frictioncalc.h"
#include "frmmotorcontrol.h"
#include "qtserialport.h"
#include "temporaryportmap.h"

#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <utility>

namespace {

constexpr int kTimeoutMs = 10000;

// Resident memory of this process in kilobytes.
long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// µs and µk as the calculator computes them from the texts a student types: the angle in degrees,
// the block length in cm and the gate time in ms, with the standard g.
std::pair<double, double> calculatedCoefficients(const QString &angle, const QString &length,
                                                 const QString &deltaT)
{
    const QLocale c = QLocale::c();
    const FrictionOutcome staticOutcome = FrictionCalc::staticCoefficient(angle, c);
    const FrictionOutcome kineticOutcome
        = FrictionCalc::kineticCoefficient(angle, length, deltaT, QStringLiteral("9.80665"), c);
    // "µ_static = 0.450": the number after the equals sign; a message leaves it NaN.
    const auto number = [](const FrictionOutcome &outcome) {
        const auto *result = std::get_if<FrictionResult>(&outcome);
        if (!result)
            return std::nan("");
        bool ok = false;
        const double value = result->caption.section(QStringLiteral(" = "), 1).toDouble(&ok);
        return ok ? value : std::nan("");
    };
    return { number(staticOutcome), number(kineticOutcome) };
}

} // namespace

class tst_EndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void movesReachTheMotor();
    void modeChangeAndStop();
    void presetsAreSent();
    void answersChangeNothing_data();
    void answersChangeNothing();
    void trialRecoversCoefficients_data();
    void trialRecoversCoefficients();

private:
    // Starts the simulator and the window on it; false (with the reason logged) when either
    // does not come up.
    [[nodiscard]] bool startSimulator(const QStringList &options);
    // The simulator's log lines after the given one, up to and including the first that
    // starts with `until`; fails the test on time-out.
    QStringList logUntil(const QString &until);
    // The commands the simulator received, in order, from the lines given.
    static QStringList commands(const QStringList &lines);
    QPushButton *button(const char *name) { return m_window->findChild<QPushButton *>(name); }
    QStringList labelTexts() const;

    TemporaryPortMap *m_ports = nullptr;
    QProcess *m_simulator = nullptr;
    QByteArray m_pending;
    QtSerialPort *m_port = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    frmMotorControl *m_window = nullptr;
};

void tst_EndToEnd::init()
{
    // The simulator publishes itself in this map, and the window finds it there.
    m_ports = new TemporaryPortMap;
    QVERIFY(m_ports->isValid());
}

void tst_EndToEnd::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_port;
    m_port = nullptr;
    delete m_boxes;
    m_boxes = nullptr;
    if (m_simulator) {
        m_simulator->terminate();
        QVERIFY(m_simulator->waitForFinished(kTimeoutMs));
        delete m_simulator;
        m_simulator = nullptr;
    }
    m_pending.clear();
    delete m_ports;
    m_ports = nullptr;
}

bool tst_EndToEnd::startSimulator(const QStringList &options)
{
    m_simulator = new QProcess;
    m_simulator->setProgram(QStringLiteral(TILTBENCH_INDEXER_SIM));
    m_simulator->setArguments(QStringList { QStringLiteral("--port"), QStringLiteral("1") }
                              + options);
    m_simulator->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_simulator->start();
    if (!m_simulator->waitForStarted(kTimeoutMs)) {
        qWarning("the simulator did not start: %s", qPrintable(m_simulator->errorString()));
        return false;
    }
    if (logUntil(QStringLiteral("listening")).isEmpty())
        return false;

    m_boxes = new FakeMessageBoxes;
    m_port = new QtSerialPort;
    m_window = new frmMotorControl(*m_port, *m_boxes);
    if (!m_boxes->boxes.isEmpty())
        qWarning("the window said: %s", qPrintable(m_boxes->boxes.first().text));
    return m_boxes->boxes.isEmpty() && m_port->PortOpen();
}

QStringList tst_EndToEnd::logUntil(const QString &until)
{
    QStringList lines;
    QSignalSpy output(m_simulator, &QProcess::readyReadStandardOutput);
    QDeadlineTimer deadline(kTimeoutMs);
    while (!deadline.hasExpired()) {
        m_pending += m_simulator->readAllStandardOutput();
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            // "   1.234 event ..." without the time.
            const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
            m_pending.remove(0, end + 1);
            const QString event = line.section(u' ', 1);
            lines << event;
            if (event.startsWith(until))
                return lines;
        }
        // Lets the window's port notifications run while the simulator works, until it writes
        // more (unless it already did while the lines above were read).
        if (output.isEmpty())
            output.wait(int(deadline.remainingTime()));
        output.clear();
    }
    qWarning("no \"%s\" in the simulator's log; got:\n%s", qPrintable(until),
             qPrintable(lines.join(u'\n')));
    return {};
}

QStringList tst_EndToEnd::commands(const QStringList &lines)
{
    QStringList received;
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("cmd ")))
            received << line.mid(4);
    }
    return received;
}

QStringList tst_EndToEnd::labelTexts() const
{
    QStringList texts;
    for (const QLabel *label : m_window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

void tst_EndToEnd::movesReachTheMotor()
{
    QVERIFY(startSimulator({}));

    button("btnUp")->click();
    QStringList log = logUntil(QStringLiteral("move-end"));
    QCOMPARE(commands(log),
             QStringList({ R"("LD0\r")", R"("A5\r")", R"("V5\r")", R"("D10000\r")", R"("MN\r")",
                           R"("G\r")" }));
    QVERIFY(log.contains(QStringLiteral("move-start target=10000 from=0 duration=0.566s")));
    QCOMPARE(log.last(), QStringLiteral("move-end position=10000"));

    m_window->findChild<QScrollBar *>(QStringLiteral("hscrollDist"))->setValue(4000);
    button("btnDown")->click();
    log = logUntil(QStringLiteral("move-end"));
    QCOMPARE(commands(log).value(3), QStringLiteral(R"("D-4000\r")"));
    QCOMPARE(log.last(), QStringLiteral("move-end position=6000"));

    // The program's own count agrees with where the simulated motor went.
    QCOMPARE(m_window->stepCount(), 6000);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_EndToEnd::modeChangeAndStop()
{
    QVERIFY(startSimulator({}));

    m_window->findChild<QRadioButton *>(QStringLiteral("optMC"))->click();
    button("btnUp")->click();
    QStringList log = logUntil(QStringLiteral("move-start"));
    QVERIFY(log.contains(QStringLiteral("mode MC")));
    QVERIFY2(log.last().startsWith(QStringLiteral("move-start continuous from=0")),
             qPrintable(log.last()));

    // Continuous mode runs until Stop.
    QVERIFY(!logUntil(QStringLiteral("pos ")).isEmpty());
    button("btnStop")->click();
    log = logUntil(QStringLiteral("stop"));
    QCOMPARE(commands(log), QStringList { QStringLiteral(R"("S\r")") });
    QVERIFY(!logUntil(QStringLiteral("move-end")).isEmpty());
    QCOMPARE(m_window->stepCount(), 0);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_EndToEnd::presetsAreSent()
{
    QVERIFY(startSimulator({}));

    auto *combo = m_window->findChild<QComboBox *>(QStringLiteral("cmbCommand"));
    QStringList sent;
    for (int i = 0; i < combo->count(); ++i) {
        combo->setCurrentIndex(i);
        button("btnSend")->click();
        sent << commands(logUntil(QStringLiteral("cmd "))).value(0);
    }
    QCOMPARE(sent, QStringList({ R"("v10\r")", R"("g\r")", R"("s\r")" }));
    QCOMPARE(combo->count(), 3);
    QVERIFY(m_boxes->boxes.isEmpty());
}

void tst_EndToEnd::answersChangeNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("notifications");
    // An echo for each of the ten commands sent; noise comes in a burst every 50 ms, so twenty
    // notifications are about a second of it, a megabyte.
    QTest::newRow("echo") << QStringList { QStringLiteral("--echo") } << 10;
    QTest::newRow("noise") << QStringList { QStringLiteral("--noise"), QStringLiteral("1000000") }
                           << 20;
}

void tst_EndToEnd::answersChangeNothing()
{
    QFETCH(QStringList, options);
    QFETCH(int, notifications);
    QVERIFY(startSimulator(options));
    auto *device = m_port->findChild<QSerialPort *>();
    QVERIFY(device);

    button("btnUp")->click();
    QVERIFY(!logUntil(QStringLiteral("move-end")).isEmpty());
    const QStringList before = labelTexts();
    [[maybe_unused]] const long residentBefore = residentKilobytes();

    // Echoed commands, or a megabyte of noise.
    QSignalSpy answers(m_port, &SerialPort::OnComm);
    for (int i = 0; i < 10; ++i) {
        const qsizetype before = answers.count();
        button("btnSend")->click();
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() > before, kTimeoutMs);
        // Each notification empties the receive buffer; nothing piles up in the port.
        QVERIFY2(device->bytesAvailable() < 64 * 1024,
                 qPrintable(QString::number(device->bytesAvailable())));
    }
    QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= notifications, kTimeoutMs);

    QCOMPARE(labelTexts(), before);
    QVERIFY(m_boxes->boxes.isEmpty());
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer holds freed memory back on purpose, so only the plain build can tell.
    const long grown = residentKilobytes() - residentBefore;
    QVERIFY2(grown < 512, qPrintable(QStringLiteral("grew by %1 kB").arg(grown)));
#endif
}

void tst_EndToEnd::trialRecoversCoefficients_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("length");
    QTest::addColumn<double>("muStatic");
    QTest::addColumn<double>("muKinetic");

    QTest::newRow("the default block") << QStringList {} << "5" << 0.45 << 0.32;
    QTest::newRow("a shorter, smoother block")
        << QStringList { "--mu-static", "0.38", "--mu-kinetic", "0.21", "--block-length", "4" }
        << "4" << 0.38 << 0.21;
}

void tst_EndToEnd::trialRecoversCoefficients()
{
    QFETCH(QStringList, options);
    QFETCH(QString, length);
    QFETCH(double, muStatic);
    QFETCH(double, muKinetic);
    QVERIFY(startSimulator(options));

    // Continuous mode, acceleration and velocity at their top (End on each scroll bar), Up.
    QTest::mouseClick(m_window->findChild<QRadioButton *>(QStringLiteral("optMC")), Qt::LeftButton);
    for (const char *name : { "hscrollAccel", "hscrollVel" }) {
        auto *bar = m_window->findChild<QScrollBar *>(QLatin1String(name));
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_End);
        QCOMPARE(bar->value(), 10);
    }
    QTest::mouseClick(button("btnUp"), Qt::LeftButton);

    const QStringList slid = logUntil(QStringLiteral("block-slides"));
    QVERIFY(!slid.isEmpty());
    QVERIFY(slid.contains(QStringLiteral("mode MC")));
    const QString angle = slid.last().section(u'=', 1);
    const QStringList timed = logUntil(QStringLiteral("photogate"));
    QVERIFY(!timed.isEmpty());
    const QString deltaT = timed.last().section(u'=', 1);
    QTest::mouseClick(button("btnStop"), Qt::LeftButton);
    QVERIFY(!logUntil(QStringLiteral("move-end")).isEmpty());

    const auto [calculatedStatic, calculatedKinetic]
        = calculatedCoefficients(angle, length, deltaT);
    const QString trial = QStringLiteral("angle %1, dT %2 ms: mu_s %3, mu_k %4")
                              .arg(angle, deltaT)
                              .arg(calculatedStatic)
                              .arg(calculatedKinetic);
    qInfo("%s", qPrintable(trial));
    QVERIFY2(std::abs(calculatedStatic - muStatic) <= 0.002, qPrintable(trial));
    QVERIFY2(std::abs(calculatedKinetic - muKinetic) <= 0.005, qPrintable(trial));
    QVERIFY(m_boxes->boxes.isEmpty());
}

QTEST_MAIN(tst_EndToEnd)
#include "tst_endtoend.moc"
