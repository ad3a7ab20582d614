// The simulator as a process: it publishes a pseudo-terminal in a temporary port map, takes
// commands written to that terminal, logs them, and takes its link away when told to end.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 10000;

// The text of a log line after its time stamp; empty when the line lacks the stamp.
QString logText(const QString &line)
{
    static const QRegularExpression format(QStringLiteral("^ *\\d+\\.\\d{3} (.+)$"));
    const QRegularExpressionMatch match = format.match(line);
    return match.hasMatch() ? match.captured(1) : QString();
}

// Reads from `fd` until `expected` bytes came or the time is up.
QByteArray readAtLeast(int fd, qsizetype expected)
{
    QByteArray received;
    QDeadlineTimer deadline(kTimeoutMs);
    while (received.size() < expected && !deadline.hasExpired()) {
        pollfd poller { fd, POLLIN, 0 };
        if (::poll(&poller, 1, static_cast<int>(deadline.remainingTime())) <= 0)
            break;
        char buffer[256];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count > 0)
            received.append(buffer, count);
    }
    return received;
}

} // namespace

class tst_IndexerSimulator : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void movesOverTheTerminal();
    void endsOnSignal_data();
    void endsOnSignal();
    void publishesWhereTold_data();
    void publishesWhereTold();
    void refusesRealDevice();
    void secondSimulatorOnALinkIsRefused();
    void killedSimulatorsLinkIsTakenOver();
    void echoesCommands();
    void sendsNoise();
    void mismatchedLineIsNoise_data();
    void mismatchedLineIsNoise();

private:
    // Runs the simulator in the temporary folder with XDG_CONFIG_HOME `configHome` (default: that
    // folder) and HOME its subfolder home, so that no test reaches the real ~/.config.
    void start(const QStringList &arguments, const QString &configHome = {});
    // Reads log lines until one contains `text`; returns it, or an empty line on time-out.
    QString waitFor(const QString &text);
    // Starts the simulator and waits for its start-up line; fills m_device and m_link.
    bool startListening(const QStringList &arguments = {}, const QString &configHome = {});
    QString portLink(int port) const
    {
        return m_config->path() + QStringLiteral("/Tiltbench/ports/com%1").arg(port);
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QProcess> m_process;
    QStringList m_lines;
    QString m_device;
    QString m_link;
};

void tst_IndexerSimulator::init()
{
    m_config = std::make_unique<QTemporaryDir>();
    QVERIFY(m_config->isValid());
    m_process = std::make_unique<QProcess>();
    m_lines.clear();
    m_device.clear();
    m_link.clear();
}

void tst_IndexerSimulator::cleanup()
{
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(kTimeoutMs);
    }
    m_process.reset();
    m_config.reset();
}

void tst_IndexerSimulator::start(const QStringList &arguments, const QString &configHome)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       configHome.isEmpty() ? m_config->path() : configHome);
    environment.insert(QStringLiteral("HOME"), m_config->filePath(QStringLiteral("home")));
    m_process->setProcessEnvironment(environment);
    m_process->setWorkingDirectory(m_config->path());
    m_process->start(QStringLiteral(TILTBENCH_INDEXER_SIM), arguments);
}

QString tst_IndexerSimulator::waitFor(const QString &text)
{
    QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        while (m_process->canReadLine()) {
            const QString line = logText(QString::fromUtf8(m_process->readLine()).trimmed());
            m_lines << line;
            if (line.contains(text))
                return line;
        }
        if (deadline.hasExpired() || m_process->state() == QProcess::NotRunning)
            return {};
        m_process->waitForReadyRead(100);
    }
}

bool tst_IndexerSimulator::startListening(const QStringList &arguments, const QString &configHome)
{
    start(arguments, configHome);
    const QString line = waitFor(QStringLiteral("listening "));
    static const QRegularExpression fields(QStringLiteral("device=(\\S+) link=(\\S+)"));
    const QRegularExpressionMatch match = fields.match(line);
    if (!match.hasMatch()) {
        qWarning() << "no start-up line; stderr:" << m_process->readAllStandardError();
        return false;
    }
    m_device = match.captured(1);
    m_link = match.captured(2);
    return true;
}

void tst_IndexerSimulator::movesOverTheTerminal()
{
    QVERIFY(startListening());
    QCOMPARE(m_link, portLink(1));
    QVERIFY2(m_device.startsWith("/dev/pts/"), qPrintable(m_device));
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), m_device);

    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray move = "A5\rV5\rD10000\rMN\rG\r";
    QCOMPARE(::write(fd, move.constData(), move.size()), move.size());
    waitFor(QStringLiteral("move-end"));
    ::close(fd);

    QStringList texts;
    for (const QString &line : std::as_const(m_lines)) {
        if (!line.startsWith("listening") && !line.startsWith("ramp ") && !line.startsWith("pos "))
            texts << line;
    }
    QCOMPARE(texts,
             (QStringList { R"(cmd "A5\r")", "accel 5rps2", R"(cmd "V5\r")", "velocity 5rps",
                            R"(cmd "D10000\r")", "distance 10000", R"(cmd "MN\r")", "mode MN",
                            R"(cmd "G\r")", "move-start target=10000 from=0 duration=0.566s",
                            "move-end position=10000" }));

    m_process->terminate();
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process->exitCode(), 0);
    QVERIFY(!QFileInfo(m_link).isSymLink());
    QCOMPARE(waitFor(QStringLiteral("exit")), QStringLiteral("exit"));
}

void tst_IndexerSimulator::endsOnSignal_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("Ctrl+C") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("terminal closed") << int(SIGHUP);
}

void tst_IndexerSimulator::endsOnSignal()
{
    QFETCH(int, signal);
    QVERIFY(startListening());
    QVERIFY(QFileInfo(m_link).isSymLink());
    QCOMPARE(::kill(static_cast<pid_t>(m_process->processId()), signal), 0);
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process->exitCode(), 0);
    QVERIFY(!QFileInfo(m_link).isSymLink());
}

void tst_IndexerSimulator::publishesWhereTold_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("link"); // relative to the configuration folder
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("configHome"); // XDG_CONFIG_HOME; empty: the configuration folder

    QTest::newRow("port 3") << QStringList { "--port", "3" } << "Tiltbench/ports/com3"
                            << "3"
                            << "";
    QTest::newRow("own link") << QStringList { "--link", "<config>/elsewhere/indexer" }
                              << "elsewhere/indexer"
                              << "-"
                              << "";
    // Tiltbench ignores a relative XDG_CONFIG_HOME and looks in ~/.config; the link must be there.
    QTest::newRow("relative XDG_CONFIG_HOME means ~/.config")
        << QStringList {} << "home/.config/Tiltbench/ports/com1"
        << "1"
        << "relative/config";
}

void tst_IndexerSimulator::publishesWhereTold()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, link);
    QFETCH(QString, port);
    QFETCH(QString, configHome);
    arguments.replaceInStrings("<config>", m_config->path());

    QVERIFY(startListening(arguments, configHome));
    QCOMPARE(m_link, m_config->path() + '/' + link);
    QCOMPARE(QFileInfo(m_link).symLinkTarget(), m_device);
    QVERIFY(m_lines.last().startsWith("listening port=" + port + ' '));
    QVERIFY(!QFileInfo(portLink(1)).isSymLink());
    m_process->terminate();
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QVERIFY(!QFileInfo(m_link).isSymLink());
}

void tst_IndexerSimulator::refusesRealDevice()
{
    QVERIFY(QDir().mkpath(m_config->path() + "/Tiltbench/ports"));
    QVERIFY(QFile::link("/dev/null", portLink(1)));
    start({});
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
    QVERIFY(m_process->exitCode() != 0);
    const QString error = QString::fromLocal8Bit(m_process->readAllStandardError());
    QVERIFY2(error.contains("/dev/null, which is not a pseudo-terminal"), qPrintable(error));
    QVERIFY(m_process->readAllStandardOutput().isEmpty());
    QCOMPARE(QFileInfo(portLink(1)).symLinkTarget(), "/dev/null");
}

void tst_IndexerSimulator::secondSimulatorOnALinkIsRefused()
{
    QVERIFY(startListening());
    const QString firstDevice = m_device;

    QProcess second;
    second.setProcessEnvironment(m_process->processEnvironment());
    second.start(QStringLiteral(TILTBENCH_INDEXER_SIM), {});
    QVERIFY(second.waitForFinished(kTimeoutMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 2);
    const QString error = QString::fromLocal8Bit(second.readAllStandardError());
    QVERIFY2(error.contains(QStringLiteral("%1 is in use by another simulator (process %2), which "
                                           "is still running")
                                .arg(portLink(1))
                                .arg(m_process->processId())),
             qPrintable(error));
    QVERIFY(second.readAllStandardOutput().isEmpty());

    // The first still owns the link, and answers on it.
    QCOMPARE(QFileInfo(portLink(1)).symLinkTarget(), firstDevice);
    const int fd = ::open(QFile::encodeName(portLink(1)).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, "A5\r", 3), 3);
    QCOMPARE(waitFor(QStringLiteral("cmd ")), QStringLiteral(R"(cmd "A5\r")"));
    ::close(fd);

    // Ended, it takes its link and its lock away.
    m_process->terminate();
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QVERIFY(!QFileInfo(portLink(1)).isSymLink());
    QVERIFY(!QFileInfo::exists(portLink(1) + QStringLiteral(".lock")));
}

void tst_IndexerSimulator::killedSimulatorsLinkIsTakenOver()
{
    QVERIFY(startListening());
    const QString firstDevice = m_device;
    m_process->kill();
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    // A killed simulator leaves its link and its lock file behind.
    QVERIFY(QFileInfo(portLink(1)).isSymLink());
    QVERIFY(QFileInfo::exists(portLink(1) + QStringLiteral(".lock")));

    m_lines.clear();
    QVERIFY(startListening());
    QCOMPARE(QFileInfo(portLink(1)).symLinkTarget(), m_device);
    QCOMPARE(m_process->state(), QProcess::Running);
}

void tst_IndexerSimulator::echoesCommands()
{
    QVERIFY(startListening({ "--echo" }));
    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray commands = "v10\rg\r";
    QCOMPARE(::write(fd, commands.constData(), commands.size()), commands.size());
    const QByteArray echoed = readAtLeast(fd, commands.size());
    ::close(fd);
    QCOMPARE(echoed, commands);
}

void tst_IndexerSimulator::sendsNoise()
{
    QVERIFY(startListening({ "--noise", "5000", "--seed", "7" }));
    QVERIFY(m_lines.last().endsWith("noise=5000"));
    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray noise = readAtLeast(fd, 500);
    ::close(fd);
    QVERIFY2(noise.size() >= 500, qPrintable(QString::number(noise.size())));
}

void tst_IndexerSimulator::mismatchedLineIsNoise_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("wrongSpeed"); // termios speed code the program sets
    QTest::addColumn<bool>("twoStopBits");
    QTest::addColumn<int>("rightSpeed");
    QTest::addColumn<QString>("mismatch");

    QTest::newRow("program at 19200") << QStringList {} << int(B19200) << false << int(B9600)
                                      << "line-mismatch program=19200,n,8,1 indexer=9600,n,8,1";
    QTest::newRow("program with 2 stop bits")
        << QStringList {} << int(B9600) << true << int(B9600)
        << "line-mismatch program=9600,n,8,2 indexer=9600,n,8,1";
    QTest::newRow("indexer at 19200")
        << QStringList { "--line", "19200,N,8,1" } << int(B9600) << false << int(B19200)
        << "line-mismatch program=9600,n,8,1 indexer=19200,n,8,1";
}

void tst_IndexerSimulator::mismatchedLineIsNoise()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, wrongSpeed);
    QFETCH(bool, twoStopBits);
    QFETCH(int, rightSpeed);
    QFETCH(QString, mismatch);

    QVERIFY(startListening(arguments));
    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    // What a program does on open: its own settings, then its commands.
    const auto setLine = [fd](int speed, bool twoStop) {
        termios settings = {};
        ::tcgetattr(fd, &settings);
        ::cfmakeraw(&settings);
        ::cfsetspeed(&settings, speed_t(speed));
        settings.c_cflag = twoStop ? settings.c_cflag | CSTOPB : settings.c_cflag & ~CSTOPB;
        return ::tcsetattr(fd, TCSANOW, &settings) == 0;
    };
    QVERIFY(setLine(wrongSpeed, twoStopBits));
    const QByteArray command = "A5\r";
    QCOMPARE(::write(fd, command.constData(), command.size()), command.size());
    QCOMPARE(waitFor(QStringLiteral("noise ")), QStringLiteral("noise bytes=3"));
    QCOMPARE(::write(fd, command.constData(), command.size()), command.size());
    QCOMPARE(waitFor(QStringLiteral("noise ")), QStringLiteral("noise bytes=3"));
    // Told once, however much arrives.
    QCOMPARE(m_lines.count(mismatch), 1);

    // Set right, the same command is understood.
    QVERIFY(setLine(rightSpeed, false));
    QCOMPARE(::write(fd, command.constData(), command.size()), command.size());
    QCOMPARE(waitFor(QStringLiteral("cmd ")), QStringLiteral(R"(cmd "A5\r")"));
    ::close(fd);
    QCOMPARE(m_lines.filter(QStringLiteral("cmd ")).size(), 1);
    QVERIFY(m_lines.filter(QStringLiteral("line-match ")).size() == 1);
}

QTEST_GUILESS_MAIN(tst_IndexerSimulator)
#include "tst_indexersimulator.moc"
