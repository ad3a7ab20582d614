#include "commandline.h"

#include <QProcess>
#include <QTest>

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void program_data();
    void program();
};

namespace {

constexpr int kRuns = -1;

} // namespace

void tst_CommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("secondLine");

    const QString usage = QStringLiteral("Usage: tiltbench [options]");
    QTest::newRow("no arguments") << QStringList { "tiltbench" } << kRuns << ""
                                  << "";
    QTest::newRow("toolkit options pass")
        << QStringList { "tiltbench", "-platform", "offscreen", "-style=Fusion", "-reverse" }
        << kRuns << ""
        << "";
    QTest::newRow("session restart")
        << QStringList { "tiltbench", "-session", "10d8a1" } << kRuns << ""
        << "";
    QTest::newRow("--version") << QStringList { "tiltbench", "--version" } << 0 << "Tiltbench 1.0.0"
                               << "";
    QTest::newRow("-v with a toolkit option")
        << QStringList { "tiltbench", "-platform", "offscreen", "-v" } << 0 << "Tiltbench 1.0.0"
        << "";
    QTest::newRow("--help") << QStringList { "/usr/bin/tiltbench", "--help" } << 0 << usage
                            << "The operator's console and friction calculator for the "
                               "tilting-ramp friction lab.";
    QTest::newRow("unknown long option") << QStringList { "/usr/bin/tiltbench", "--port=2" } << 2
                                         << "tiltbench: Unknown option 'port'." << usage;
    QTest::newRow("unknown short option") << QStringList { "tiltbench", "-x", "--version" } << 2
                                          << "tiltbench: Unknown option 'x'." << usage;
    QTest::newRow("toolkit option without its value")
        << QStringList { "tiltbench", "-platform" } << 2
        << "tiltbench: Missing value after '-platform'." << usage;
    QTest::newRow("a file name")
        << QStringList { "tiltbench", "run1.txt" } << 2
        << "tiltbench: unexpected argument 'run1.txt'; Tiltbench opens no files." << usage;
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, firstLine);
    QFETCH(QString, secondLine);

    const CommandLine::Outcome outcome = CommandLine::parse(arguments);
    const auto *exit = std::get_if<CommandLine::Exit>(&outcome);
    if (status == kRuns) {
        QVERIFY2(!exit, exit ? qPrintable(exit->text) : "");
        return;
    }
    QVERIFY(exit);
    QCOMPARE(exit->status, status);
    QVERIFY(exit->text.endsWith(u'\n'));
    const QStringList lines = exit->text.split(u'\n');
    QCOMPARE(lines.value(0), firstLine);
    QCOMPARE(lines.value(1), secondLine);
}

// The real program, on a terminal without a display: the answer must come before the windowing
// system is needed.
void tst_CommandLine::program_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("errFirstLine");

    QTest::newRow("--version") << QStringList { "--version" } << 0 << "Tiltbench 1.0.0\n"
                               << "";
    QTest::newRow("unknown option") << QStringList { "--bogus" } << 2 << ""
                                    << "tiltbench: Unknown option 'bogus'.";
}

void tst_CommandLine::program()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, errFirstLine);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TILTBENCH_PROGRAM), arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), status);
    QCOMPARE(QString::fromLocal8Bit(process.readAllStandardOutput()), out);
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(err.section(u'\n', 0, 0), errFirstLine);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
