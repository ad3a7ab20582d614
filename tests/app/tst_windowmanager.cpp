#include "fakefilechecks.h"
#include "fakemessageboxes.h"
#include "fakeprogramstarter.h"
#include "fakeregistry.h"
#include "fakesavefiledialog.h"
#include "fakeserialport.h"
#include "fakesettingsstore.h"
#include "frmcalculate.h"
#include "frmmotorcontrol.h"
#include "frmserialmonitor.h"
#include "trafficrecorder.h"
#include "windowmanager.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
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

private:
    frmMotorControl *main() const { return m_windows->mainWindow(); }

    FakeSerialPort *m_port = nullptr;
    FakeMessageBoxes *m_boxes = nullptr;
    FakeSettingsStore *m_store = nullptr;
    FakeRegistry *m_registry = nullptr;
    FakeFileChecks *m_files = nullptr;
    FakeProgramStarter *m_programs = nullptr;
    TrafficRecorder *m_recorder = nullptr;
    FakeSaveFileDialog *m_saveDialog = nullptr;
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
    m_recorder = new TrafficRecorder;
    m_saveDialog = new FakeSaveFileDialog;
    m_windows = new WindowManager({ *m_port, *m_boxes, *m_store, *m_registry, *m_files, *m_programs,
                                    m_recorder, m_saveDialog });
    m_windows->start();
    QVERIFY(QTest::qWaitForWindowExposed(main()));
}

void tst_WindowManager::cleanup()
{
    delete m_windows;
    delete m_saveDialog;
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

QTEST_MAIN(tst_WindowManager)
#include "tst_windowmanager.moc"
