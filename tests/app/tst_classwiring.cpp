#include "classtools.h"
#include "classtrials.h"
#include "fakeclassoutbox.h"
#include "fakedatafiles.h"
#include "fakedevicelist.h"
#include "fakefilechecks.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "fakeprinter.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakeserialport.h"
#include "fakesettingsstore.h"
#include "fakesysinfotools.h"
#include "frmmotorcontrol.h"
#include "psqlclassserver.h"
#include "sqliteresultsstore.h"
#include "windowmanager.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The real class server, counting the connections made through it.
class CountingClassServer : public ClassServer
{
public:
    bool driverAvailable() const override { return m_real.driverAvailable(); }
    std::unique_ptr<ClassConnection> connect(const ClassServerSettings &settings) override
    {
        ++connections;
        return m_real.connect(settings);
    }

    int connections = 0;

private:
    PsqlClassServer m_real;
};

} // namespace

// The class server as the program wires it: nothing at all until one is set; then a sender whose
// state the main window's status bar shows.
class tst_ClassWiring : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nothingIsMadeWithoutAServer();
    void statusBarTellsWhySendingWaits();

private:
    QLabel *classState() const
    {
        return m_windows->mainWindow()->findChild<QLabel *>(QStringLiteral("lblClassState"));
    }
    void start()
    {
        m_windows = std::make_unique<WindowManager>(
            Services { m_port, m_boxes, m_store, m_registry, m_files, m_programs, m_tools,
                       m_dataFiles, m_fileDialogs, m_printer, m_devices, m_results, nullptr,
                       nullptr, &m_classTools, &m_outbox });
        m_windows->start();
    }

    FakeSerialPort m_port;
    FakeMessageBoxes m_boxes;
    FakeSettingsStore m_store;
    FakeRegistry m_registry;
    FakeFileChecks m_files;
    FakeProgramStarter m_programs;
    FakeSysInfoTools m_tools;
    FakeDataFiles m_dataFiles;
    FakeFileDialogs m_fileDialogs;
    FakePrinter m_printer;
    FakeDeviceList m_devices;
    QTemporaryDir m_folder;
    SqliteResultsStore m_results { m_folder.filePath(QStringLiteral("results.sqlite")) };
    CountingClassServer m_server;
    ClassTools m_classTools { m_server };
    FakeClassOutbox m_outbox;
    std::unique_ptr<WindowManager> m_windows;
};

void tst_ClassWiring::init()
{
    m_store.values.clear();
    m_server.connections = 0;
}

void tst_ClassWiring::cleanup()
{
    m_windows.reset();
}

void tst_ClassWiring::nothingIsMadeWithoutAServer()
{
    start();
    QVERIFY(classState()->isHidden());
    QAction *classResults = m_windows->mainWindow()->mnuToolsClassResults;
    QVERIFY(classResults->isEnabled());
    QCOMPARE(classResults->shortcut(), QKeySequence(Qt::Key_F5));
    classResults->trigger();
    QCOMPARE(m_boxes.boxes.size(), 1);
    QVERIFY(m_boxes.boxes.first().text.contains(QLatin1String("Options > Class Server...")));
    QCOMPARE(m_server.connections, 0);
}

void tst_ClassWiring::statusBarTellsWhySendingWaits()
{
    if (!m_server.driverAvailable())
        QSKIP("skipped: Qt's PostgreSQL driver (libqt6sql6-psql) not installed");
    // A port nothing listens on.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    ClassServerSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = port;
    settings.database = QStringLiteral("lab");
    settings.station = QStringLiteral("bench-4");
    QVERIFY(settings.write(m_store));
    const ClassRun run = ClassTrials::run(QStringLiteral("Waiting"));
    for (int seq = 1; seq <= 3; ++seq)
        m_outbox.add(ClassTrials::staticTrial(run, seq));

    start();
    QCOMPARE(m_server.connections, 1);
    QTRY_COMPARE_WITH_TIMEOUT(classState()->text(),
                              QStringLiteral("Class: offline (refused), 3 waiting"), 10000);
    QVERIFY(classState()->isVisible());
    QVERIFY2(classState()->toolTip().contains(QStringLiteral("127.0.0.1:%1").arg(port)),
             qPrintable(classState()->toolTip()));
    QCOMPARE(m_outbox.pendingCount(), 3);
}

QTEST_MAIN(tst_ClassWiring)
#include "tst_classwiring.moc"
