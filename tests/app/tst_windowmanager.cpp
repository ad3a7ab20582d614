#include "databaselock.h"
#include "fakedatafiles.h"
#include "fakedevicelist.h"
#include "fakefilechecks.h"
#include "fakefiledialogs.h"
#include "fakemessageboxes.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakeserialport.h"
#include "fakesettingsstore.h"
#include "fakesysinfotools.h"
#include "frictioncalc.h"
#include "frmcalculate.h"
#include "frmmotorcontrol.h"
#include "frmresults.h"
#include "frmserialmonitor.h"
#include "resultssession.h"
#include "sqliteresultsstore.h"
#include "trafficrecorder.h"
#include "windowmanager.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// How long each window lives and who closes whom.
class tst_WindowManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void calculatorExistsOnceAndComesBackFresh();
    void exitClosesCalculatorFirst_data();
    void exitClosesCalculatorFirst();
    void titleBarCloseLeavesCalculatorOpen();
    void serialMonitorExistsOnceAndClosesOnExit();
    void dialogsAreModalAndMadeAnew_data();
    void dialogsAreModalAndMadeAnew();
    void calculationsBecomeTrials_data();
    void calculationsBecomeTrials();
    void missingDriverIsToldAtTheFirstTrial();
    void exitAsksWhileTrialsAreUnsaved_data();
    void exitAsksWhileTrialsAreUnsaved();
    void portMapFollowsPortProperties();

private:
    frmMotorControl *main() const { return m_windows->mainWindow(); }
    // A database of its own for each test and row.
    QString databasePath() const
    {
        return m_data.filePath(QStringLiteral("%1-%2.sqlite")
                                   .arg(QTest::currentTestFunction())
                                   .arg(QString::number(qHash(QTest::currentDataTag()))));
    }

    FakeSerialPort *m_port = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    FakeSettingsStore *m_store = nullptr;
    FakeRegistry *m_registry = nullptr;
    FakeFileChecks *m_files = nullptr;
    FakeProgramStarter *m_programs = nullptr;
    FakeSysInfoTools m_tools;
    FakeDataFiles *m_dataFiles = nullptr;
    FakeFileDialogs *m_fileDialogs = nullptr;
    FakeDeviceList *m_devices = nullptr;
    TrafficRecorder *m_recorder = nullptr;
    QTemporaryDir m_data;
    SqliteResultsStore *m_results = nullptr;
    WindowManager *m_windows = nullptr;
};

void tst_WindowManager::init()
{
    m_port = new FakeSerialPort;
    m_boxes = new FakeMessageBoxes;
    m_store = new FakeSettingsStore;
    m_registry = new FakeRegistry;
    m_files = new FakeFileChecks;
    m_programs = new FakeProgramStarter;
    m_dataFiles = new FakeDataFiles;
    m_fileDialogs = new FakeFileDialogs;
    m_devices = new FakeDeviceList;
    m_recorder = new TrafficRecorder;
    // A driver that is not there for the test that asks for it.
    const bool noDriver
        = QTest::currentTestFunction() == QLatin1String("missingDriverIsToldAtTheFirstTrial");
    m_results = new SqliteResultsStore(
        databasePath(),
        { noDriver ? QStringLiteral("QNOSUCHSQL") : QStringLiteral("QSQLITE"), 200 });
    m_windows = new WindowManager({ *m_port, *m_boxes, *m_store, *m_registry, *m_files, *m_programs,
                                    m_tools, *m_dataFiles, *m_fileDialogs, *m_devices, *m_results,
                                    m_recorder });
    m_windows->start();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void tst_WindowManager::cleanup()
{
    delete m_windows;
    delete m_results;
    delete m_fileDialogs;
    delete m_dataFiles;
    delete m_devices;
    delete m_recorder;
    delete m_programs;
    delete m_files;
    delete m_registry;
    delete m_store;
    delete m_boxes;
    delete m_port;
}

void tst_WindowManager::calculatorExistsOnceAndComesBackFresh()
{
    QVERIFY(main()->mnuToolsCalc->isEnabled());
    main()->mnuToolsCalc->trigger();
    QPointer<frmCalculate> first = m_windows->calculator();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    // Both windows stay usable: the main window still takes clicks.
    QVERIFY(main()->isEnabled());

    auto *angle = first->findChild<QLineEdit *>(QStringLiteral("txtStaticAngle"));
    angle->setText(QStringLiteral("30"));
    main()->mnuToolsCalc->trigger();
    QCOMPARE(m_windows->calculator(), first.data());
    QCOMPARE(angle->text(), QStringLiteral("30"));

    // Closing discards it with everything typed; the next opening is a new window.
    first->close();
    QTRY_VERIFY(!first);
    QVERIFY(!m_windows->calculator());
    main()->mnuToolsCalc->trigger();
    QVERIFY(m_windows->calculator());
    QCOMPARE(
        m_windows->calculator()->findChild<QLineEdit *>(QStringLiteral("txtStaticAngle"))->text(),
        QString());
}

void tst_WindowManager::exitClosesCalculatorFirst_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK closes both") << true;
    QTest::newRow("Cancel keeps both") << false;
}

void tst_WindowManager::exitClosesCalculatorFirst()
{
    QFETCH(bool, ok);
    main()->mnuToolsCalc->trigger();
    QPointer<frmCalculate> calculator = m_windows->calculator();
    // Runs after the window manager has handled the confirmation, before the main window closes.
    bool calculatorClosedFirst = false;
    connect(main(), &frmMotorControl::exitConfirmed, this, [&] {
        calculatorClosedFirst = calculator && !calculator->isVisible() && main()->isVisible();
    });
    m_boxes->answers << (ok ? MessageBoxes::Answer::Ok : MessageBoxes::Answer::Cancel);

    main()->mnuFileExit->trigger();

    if (ok) {
        QTRY_VERIFY(!calculator);
        QVERIFY(!main()->isVisible());
        QVERIFY(!m_port->PortOpen());
        QVERIFY(calculatorClosedFirst);
    } else {
        QVERIFY(calculator && calculator->isVisible());
        QVERIFY(main()->isVisible());
        QVERIFY(m_port->PortOpen());
    }
}

void tst_WindowManager::titleBarCloseLeavesCalculatorOpen()
{
    main()->mnuToolsCalc->trigger();
    main()->close();
    QVERIFY(!main()->isVisible());
    QVERIFY(m_windows->calculator() && m_windows->calculator()->isVisible());
    // No question is asked; the port closes with the main window.
    QVERIFY(m_boxes->boxes.isEmpty());
    QVERIFY(!m_port->PortOpen());
}

void tst_WindowManager::serialMonitorExistsOnceAndClosesOnExit()
{
    QApplication::setActiveWindow(main());
    QVERIFY(QTest::qWaitForWindowActive(main()));
    QTest::keyClick(main(), Qt::Key_F4);
    QPointer<frmSerialMonitor> monitor = m_windows->serialMonitor();
    QVERIFY(monitor && monitor->isVisible());
    QVERIFY(!monitor->isModal());
    QVERIFY(main()->isEnabled());
    main()->mnuToolsMonitor->trigger();
    QCOMPARE(m_windows->serialMonitor(), monitor.data());

    m_boxes->answers << MessageBoxes::Answer::Ok;
    main()->mnuFileExit->trigger();
    QTRY_VERIFY(!monitor);
}

void tst_WindowManager::dialogsAreModalAndMadeAnew_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("port properties") << "mnuOptionsPort"
                                     << "frmProperties";
    QTest::newRow("about") << "mnuHelpAbout"
                           << "frmAbout";
#ifndef Q_OS_WIN
    QTest::newRow("port map") << "mnuOptionsPortMap"
                              << "frmPortMap";
#endif
}

void tst_WindowManager::dialogsAreModalAndMadeAnew()
{
    QFETCH(QString, menu);
    QFETCH(QString, dialog);
    auto *action = main()->findChild<QAction *>(menu);
    QVERIFY(action && action->isEnabled());

    for (int showing = 0; showing < 2; ++showing) {
        QString shown;
        bool modal = false;
        // Looks for the dialog until it is up, then closes it, which ends its exec().
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            closer.stop();
            shown = box->objectName();
            modal = box->isModal();
            box->close();
        });
        closer.start(10);
        action->trigger();
        QCOMPARE(shown, dialog);
        QVERIFY(modal);
        // Discarded when closed.
        QVERIFY(!main()->findChild<QDialog *>(dialog));
    }
}

void tst_WindowManager::calculationsBecomeTrials_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("mu");

    // Each row types into the boxes (angle first), then presses Enter in the box named.
    QTest::newRow("static 30") << "txtStaticAngle" << QStringList { "30" } << "Static"
                               << "0.577";
    QTest::newRow("static refused") << "txtStaticAngle" << QStringList { "30abc" } << ""
                                    << "";
    QTest::newRow("kinetic 25, 10, 200")
        << "txtKineticTime" << QStringList { "25", "10", "200" } << "Kinetic"
        << "0.326";
    QTest::newRow("kinetic without time")
        << "txtKineticTime" << QStringList { "25", "10", "" } << ""
        << "";
}

// The calculator knows nothing of the Results window: the wiring turns each successful
// calculation, and only those, into a trial with the sample typed in the Results window.
void tst_WindowManager::calculationsBecomeTrials()
{
    QFETCH(QString, box);
    QFETCH(QStringList, typed);
    QFETCH(QString, kind);
    QFETCH(QString, mu);

    QTest::keyClick(main(), Qt::Key_F3);
    frmResults *results = m_windows->results();
    QVERIFY(results && results->isVisible());
    QTest::keyClicks(results->findChild<QLineEdit *>(QStringLiteral("txtSample")),
                     QStringLiteral("felt"));
    main()->mnuToolsCalc->trigger();
    frmCalculate *calculator = m_windows->calculator();
    const QStringList boxes = box == QLatin1String("txtStaticAngle")
        ? QStringList { box }
        : QStringList { "txtKineticAngle", "txtKineticLength", "txtKineticTime" };
    for (int i = 0; i < typed.size(); ++i)
        QTest::keyClicks(calculator->findChild<QLineEdit *>(boxes.at(i)), typed.at(i));
    QTest::keyClick(calculator->findChild<QLineEdit *>(box), Qt::Key_Return);

    const QList<Trial> &trials = m_windows->resultsSession().trials();
    if (kind.isEmpty()) {
        QCOMPARE(m_boxes->boxes.size(), 1);
        QCOMPARE(trials.size(), 0);
        return;
    }
    QVERIFY(m_boxes->boxes.isEmpty());
    QCOMPARE(trials.size(), 1);
    QCOMPARE(Trial::kindText(trials.at(0).measurement.kind), kind);
    QCOMPARE(trials.at(0).sample, QStringLiteral("felt"));
    QCOMPARE(FrictionCalc::format(trials.at(0).mu), mu);
    QCOMPARE(trials.at(0).saved, Trial::Saved::Yes);
}

// Without Qt's SQLite plugin the first trial says so in words; the trial is kept all the same.
void tst_WindowManager::missingDriverIsToldAtTheFirstTrial()
{
    main()->mnuToolsCalc->trigger();
    frmCalculate *calculator = m_windows->calculator();
    auto *angle = calculator->findChild<QLineEdit *>(QStringLiteral("txtStaticAngle"));
    QTest::keyClicks(angle, QStringLiteral("45"));
    QTest::keyClick(angle, Qt::Key_Return);
    QCOMPARE(m_boxes->boxes.size(), 1);
    QVERIFY2(m_boxes->boxes.at(0).text.contains(QStringLiteral("libqt6sql6-sqlite")),
             qPrintable(m_boxes->boxes.at(0).text));
    QCOMPARE(m_windows->resultsSession().trials().size(), 1);
    QCOMPARE(m_windows->resultsSession().trials().at(0).saved, Trial::Saved::New);
}

void tst_WindowManager::exitAsksWhileTrialsAreUnsaved_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("quits");
    QTest::newRow("Quit Without Saving") << "Quit Without Saving" << true;
    QTest::newRow("Cancel") << "Cancel" << false;
}

void tst_WindowManager::exitAsksWhileTrialsAreUnsaved()
{
    QFETCH(QString, button);
    QFETCH(bool, quits);
    main()->mnuToolsCalc->trigger();
    auto *angle = m_windows->calculator()->findChild<QLineEdit *>(QStringLiteral("txtStaticAngle"));
    QTest::keyClicks(angle, QStringLiteral("30"));
    QTest::keyClick(angle, Qt::Key_Return);
    QVERIFY(m_boxes->boxes.isEmpty());
    // Nothing unsaved: File > Exit asks only "OK to quit?".
    m_boxes->answers << MessageBoxes::Answer::Cancel;
    main()->mnuFileExit->trigger();
    QCOMPARE(m_boxes->boxes.size(), 1);

    {
        DatabaseLock lock(databasePath());
        QTest::keyClick(angle, Qt::Key_Return);
        QCOMPARE(m_boxes->boxes.size(), 2);
        m_boxes->chosen << button;
        main()->mnuFileExit->trigger();
    }
    QCOMPARE(m_boxes->boxes.size(), 4);
    QCOMPARE(m_boxes->boxes.at(3).choices.at(1), QStringLiteral("Quit Without Saving"));
    QCOMPARE(main()->isVisible(), !quits);
    QTRY_COMPARE(m_windows->calculator() == nullptr, quits);
}

void tst_WindowManager::portMapFollowsPortProperties()
{
    const QList<QAction *> options
        = main()->findChild<QMenu *>(QStringLiteral("mnuOptions"))->actions();
    QCOMPARE(options.indexOf(main()->mnuOptionsPortMap),
             options.indexOf(main()->mnuOptionsPort) + 1);
    QCOMPARE(main()->mnuOptionsPortMap->text(), QStringLiteral("Port Map..."));
#ifdef Q_OS_WIN
    QVERIFY(!main()->mnuOptionsPortMap->isVisible());
#else
    QVERIFY(main()->mnuOptionsPortMap->isVisible());
#endif
}

QTEST_MAIN(tst_WindowManager)
#include "tst_windowmanager.moc"
