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
#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 10000;

QString readLink(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(buffer, length));
}

struct LogLine
{
    double time = -1;
    QString text;
};

LogLine parse(const QString &line)
{
    static const QRegularExpression format(QStringLiteral("^ *(\\d+\\.\\d{3}) (.+)$"));
    const QRegularExpressionMatch match = format.match(line);
    if (!match.hasMatch())
        return {};
    return { match.captured(1).toDouble(), match.captured(2) };
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
    void echoesCommands();
    void sendsNoise();

private:
    void start(const QStringList &arguments);
    // Reads log lines until one contains `text`; returns it, or an empty line on time-out.
    LogLine waitFor(const QString &text);
    // Starts the simulator and waits for its start-up line; fills m_device and m_link.
    bool startListening(const QStringList &arguments = {});
    QString portLink(int port) const
    {
        return m_config->path() + QStringLiteral("/Tiltbench/ports/com%1").arg(port);
    }

    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QProcess> m_process;
    QList<LogLine> m_lines;
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

void tst_IndexerSimulator::start(const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    m_process->setProcessEnvironment(environment);
    m_process->start(QStringLiteral(TILTBENCH_INDEXER_SIM), arguments);
}

LogLine tst_IndexerSimulator::waitFor(const QString &text)
{
    QDeadlineTimer deadline(kTimeoutMs);
    for (;;) {
        while (m_process->canReadLine()) {
            const LogLine line = parse(QString::fromUtf8(m_process->readLine()).trimmed());
            m_lines << line;
            if (line.text.contains(text))
                return line;
        }
        if (deadline.hasExpired() || m_process->state() == QProcess::NotRunning)
            return {};
        m_process->waitForReadyRead(100);
    }
}

bool tst_IndexerSimulator::startListening(const QStringList &arguments)
{
    start(arguments);
    const LogLine line = waitFor(QStringLiteral("listening "));
    static const QRegularExpression fields(QStringLiteral("device=(\\S+) link=(\\S+)"));
    const QRegularExpressionMatch match = fields.match(line.text);
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
    QCOMPARE(readLink(m_link), m_device);

    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray move = "A5\rV5\rD10000\rMN\rG\r";
    QCOMPARE(::write(fd, move.constData(), move.size()), move.size());
    const LogLine end = waitFor(QStringLiteral("move-end"));
    ::close(fd);

    QStringList texts;
    double startTime = -1;
    for (const LogLine &line : std::as_const(m_lines)) {
        if (line.text.startsWith("move-start"))
            startTime = line.time;
        if (!line.text.startsWith("listening") && !line.text.startsWith("pos "))
            texts << line.text;
    }
    QCOMPARE(texts,
             (QStringList { R"(cmd "A5\r")", "accel 5rps2", R"(cmd "V5\r")", "velocity 5rps",
                            R"(cmd "D10000\r")", "distance 10000", R"(cmd "MN\r")", "mode MN",
                            R"(cmd "G\r")", "move-start target=10000 from=0 duration=0.566s",
                            "move-end position=10000" }));
    QVERIFY2(std::abs(end.time - startTime - 0.566) <= 0.002,
             qPrintable(QString::number(end.time - startTime)));

    m_process->terminate();
    QVERIFY(m_process->waitForFinished(kTimeoutMs));
    QCOMPARE(m_process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_process->exitCode(), 0);
    QVERIFY(!QFileInfo(m_link).isSymLink());
    QCOMPARE(waitFor(QStringLiteral("exit")).text, QStringLiteral("exit"));
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

    QTest::newRow("port 3") << QStringList { "--port", "3" } << "Tiltbench/ports/com3"
                            << "3";
    QTest::newRow("own link") << QStringList { "--link", "<config>/elsewhere/indexer" }
                              << "elsewhere/indexer"
                              << "-";
}

void tst_IndexerSimulator::publishesWhereTold()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, link);
    QFETCH(QString, port);
    arguments.replaceInStrings("<config>", m_config->path());

    QVERIFY(startListening(arguments));
    QCOMPARE(m_link, m_config->path() + '/' + link);
    QCOMPARE(readLink(m_link), m_device);
    QVERIFY(m_lines.last().text.startsWith("listening port=" + port + ' '));
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
    QCOMPARE(readLink(portLink(1)), "/dev/null");
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
    QVERIFY(m_lines.last().text.endsWith("noise=5000"));
    const int fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_NOCTTY);
    QVERIFY(fd >= 0);
    const QByteArray noise = readAtLeast(fd, 500);
    ::close(fd);
    QVERIFY2(noise.size() >= 500, qPrintable(QString::number(noise.size())));
}

QTEST_GUILESS_MAIN(tst_IndexerSimulator)
#include "tst_indexersimulator.moc"
