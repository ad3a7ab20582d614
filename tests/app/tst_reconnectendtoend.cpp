// The simulated indexer goes away and a new one takes its place on the same link, as an adapter
// pulled out and plugged back in: the whole program, wired by the window manager over the real
// serial layer, must carry on with the new one without any dialog.

#include "fakedatafiles.h"
#include "fakedevicelist.h"
#include "fakefilechecks.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakesettingsstore.h"
#include "fakesysinfotools.h"
#include "frmmotorcontrol.h"
#include "qtserialport.h"
#include "sqliteresultsstore.h"
#include "temporaryportmap.h"
#include "windowmanager.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int kTimeoutMs = 10000;

// One simulator process and its log.
class Simulator
{
public:
    Simulator()
    {
        m_process.setProgram(QStringLiteral(TILTBENCH_INDEXER_SIM));
        m_process.setArguments({ QStringLiteral("--port"), QStringLiteral("1") });
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Simulator() { stop(); }

    bool stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return true;
        m_process.terminate();
        return m_process.waitForFinished(kTimeoutMs);
    }

    // The log lines (without their time) up to and including the first that starts with
    // `until`; empty on time-out.
    QStringList logUntil(const QString &until)
    {
        QStringList lines;
        QDeadlineTimer deadline(kTimeoutMs);
        while (!deadline.hasExpired()) {
            m_pending += m_process.readAllStandardOutput();
            qsizetype end;
            while ((end = m_pending.indexOf('\n')) >= 0) {
                const QString line = QString::fromUtf8(m_pending.left(end)).trimmed();
                m_pending.remove(0, end + 1);
                lines << line.section(u' ', 1);
                if (lines.last().startsWith(until))
                    return lines;
            }
            QTest::qWait(10);
        }
        qWarning("no \"%s\" in the simulator's log; got:\n%s", qPrintable(until),
                 qPrintable(lines.join(u'\n')));
        return {};
    }

private:
    QProcess m_process;
    QByteArray m_pending;
};

QStringList commands(const QStringList &lines)
{
    QStringList received;
    for (const QString &line : lines) {
        if (line.startsWith(QStringLiteral("cmd ")))
            received << line.mid(4);
    }
    return received;
}

} // namespace

class tst_ReconnectEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void newSimulatorOnTheSameLink();
};

void tst_ReconnectEndToEnd::newSimulatorOnTheSameLink()
{
    TemporaryPortMap map;
    QVERIFY(map.isValid());
    auto first = std::make_unique<Simulator>();
    QVERIFY(!first->logUntil(QStringLiteral("listening")).isEmpty());

    QtSerialPort port;
    FakeMessageBoxes boxes;
    FakeSettingsStore store;
    FakeRegistry registry;
    FakeFileChecks files;
    FakeProgramStarter programs;
    FakeSysInfoTools tools;
    FakeDataFiles dataFiles;
    FakeFileDialogs fileDialogs;
    FakeDeviceList devices;
    QTemporaryDir data;
    SqliteResultsStore results(data.filePath(QStringLiteral("results.sqlite")));
    WindowManager windows({ port, boxes, store, registry, files, programs, tools, dataFiles,
                            fileDialogs, devices, results });
    frmMotorControl *main = windows.mainWindow();
    auto *up = main->findChild<QPushButton *>(QStringLiteral("btnUp"));
    auto *status = main->findChild<QLabel *>(QStringLiteral("lblPortState"));
    QVERIFY(port.PortOpen());

    up->click();
    QCOMPARE(first->logUntil(QStringLiteral("move-end")).last(),
             QStringLiteral("move-end position=10000"));

    // Pulled out: the port closes, and a move while it is away is refused and not counted.
    QVERIFY(first->stop());
    first.reset();
    QTRY_VERIFY(!port.PortOpen());
    up->click();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(main->stepCount(), 10000);

    Simulator second;
    QVERIFY(!second.logUntil(QStringLiteral("listening")).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(port.PortOpen(), 1000);
    QCOMPARE(status->toolTip(),
             QStringLiteral("Com1 open: %1, 9600,n,8,1 (reconnected)").arg(port.devicePath()));

    // One move reaches the new indexer: the refused one is not sent after it.
    up->click();
    const QStringList log = second.logUntil(QStringLiteral("move-end"));
    QCOMPARE(commands(log),
             QStringList({ R"("LD0\r")", R"("A5\r")", R"("V5\r")", R"("D10000\r")", R"("MN\r")",
                           R"("G\r")" }));
    QCOMPARE(log.last(), QStringLiteral("move-end position=10000"));
    QCOMPARE(main->stepCount(), 20000);
    QCOMPARE(boxes.boxes.size(), 1);

    // The next change of state is the operator's, and says nothing of reconnecting.
    QVERIFY(!port.setPortOpen(false));
    QCOMPARE(status->toolTip(), QStringLiteral("Com1 closed"));
}

QTEST_MAIN(tst_ReconnectEndToEnd)
#include "tst_reconnectendtoend.moc"
