#include "windowmanager.h"

#include "appinfo.h"
#include "classmodule.h"
#include "classoutbox.h"
#include "frmabout.h"
#include "frmcalculate.h"
#include "frmmotorcontrol.h"
#include "frmportmap.h"
#include "frmproperties.h"
#include "frmresults.h"
#include "frmserialmonitor.h"
#include "messageboxes.h"
#include "portmap.h"
#include "reconnectwatcher.h"
#include "resultsmessages.h"
#include "resultssession.h"
#include "trafficlog.h"
#include "unsavedprompt.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QDialog>

namespace {

// Shows a modeless window that exists at most once: made by `make` when there is none, discarded
// when closed, brought to the front when it is already there.
template<typename Window, typename Make> void showSingle(QPointer<Window> &window, Make make)
{
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

WindowManager::WindowManager(const Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(std::make_unique<frmMotorControl>(services.port, services.messageBoxes))
    , m_results(std::make_unique<ResultsSession>(services.resultsStore, services.dataFiles))
{
    m_main->installEventFilter(this);
    connect(m_main.get(), &frmMotorControl::calculatorRequested, this,
            &WindowManager::showCalculator);
    connect(m_main.get(), &frmMotorControl::portPropertiesRequested, this,
            &WindowManager::showPortProperties);
    connect(m_main.get(), &frmMotorControl::aboutRequested, this, &WindowManager::showAbout);
    connect(m_main.get(), &frmMotorControl::exitConfirmed, this, [this] {
        // Asked before any window closes; the main window's close that follows keeps the answer.
        m_exitDecision
            = UnsavedPrompt::allows(UnsavedPrompt::Leaving::Program, *m_results,
                                    m_services.messageBoxes, m_services.fileDialogs, m_main.get());
        if (*m_exitDecision)
            closeModelessWindows();
    });
    connect(m_main.get(), &frmMotorControl::resultsRequested, this, &WindowManager::showResults);
    for (QAction *action : { m_main->mnuToolsCalc, m_main->mnuToolsResults, m_main->mnuOptionsPort,
                             m_main->mnuHelpAbout })
        action->setEnabled(true);

    // Where port numbers are not links (Windows: port N is COMN) there is no map to edit.
    const bool mapped = !PortMap::linkDirectory().isEmpty();
    m_main->mnuOptionsPortMap->setVisible(mapped);
    m_main->mnuOptionsPortMap->setEnabled(mapped);
    connect(m_main.get(), &frmMotorControl::portMapRequested, this, &WindowManager::showPortMap);

    m_reconnect = std::make_unique<ReconnectWatcher>(services.port);
    connect(m_reconnect.get(), &ReconnectWatcher::reconnected, m_main.get(),
            [this] { m_main->showPortReopened(frmMotorControl::PortReopen::Reconnected); });

    if (services.trafficRecorder && services.logFile) {
        m_trafficLog = std::make_unique<TrafficLog>(*services.trafficRecorder, *services.logFile);
        connect(m_trafficLog.get(), &TrafficLog::failed, this, &WindowManager::showLogFailed);
        connect(m_main.get(), &frmMotorControl::serialMonitorRequested, this,
                &WindowManager::showSerialMonitor);
        m_main->mnuToolsMonitor->setEnabled(true);
    }

    const bool classServer = services.classModule != nullptr;
    for (QAction *action : { m_main->mnuOptionsClassServer, m_main->mnuToolsClassResults }) {
        action->setVisible(classServer);
        action->setEnabled(classServer);
    }
    if (classServer) {
        connect(m_main.get(), &frmMotorControl::classServerRequested, this,
                &WindowManager::showClassServer);
        connect(m_main.get(), &frmMotorControl::classResultsRequested, this,
                &WindowManager::showClassResults);
        if (services.classOutbox) {
            connect(services.classOutbox, &ClassOutbox::added, this, [this] {
                if (m_classStation)
                    m_classStation->queued();
            });
        }
        startClassSync(ClassServerSettings::read(services.settingsStore));
    }
}

WindowManager::~WindowManager()
{
    delete m_calculator;
    delete m_resultsWindow;
    delete m_serialMonitor;
    delete m_classResults;
}

frmCalculate *WindowManager::calculator() const
{
    return m_calculator;
}

frmResults *WindowManager::results() const
{
    return m_resultsWindow;
}

frmSerialMonitor *WindowManager::serialMonitor() const
{
    return m_serialMonitor;
}

QWidget *WindowManager::classResults() const
{
    return m_classResults;
}

bool WindowManager::eventFilter(QObject *watched, QEvent *event)
{
    // Unsaved trials are lost when the program ends: ask before the main window goes, whether by
    // File > Exit or by its title bar.
    if (watched == m_main.get() && event->type() == QEvent::Close) {
        const bool allowed = m_exitDecision
            ? *m_exitDecision
            : UnsavedPrompt::allows(UnsavedPrompt::Leaving::Program, *m_results,
                                    m_services.messageBoxes, m_services.fileDialogs, m_main.get());
        m_exitDecision.reset();
        if (!allowed) {
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowManager::start()
{
    m_main->show();
}

void WindowManager::showCalculator()
{
    // No parent: the calculator is a window of its own that stays open when the main window is
    // closed by its title bar.
    showSingle(m_calculator, [this] {
        auto *calculator = new frmCalculate(m_services.messageBoxes);
        connect(calculator, &frmCalculate::trialCalculated, this, &WindowManager::recordTrial);
        return calculator;
    });
}

void WindowManager::closeModelessWindows()
{
    if (m_calculator)
        m_calculator->close();
    if (m_resultsWindow)
        m_resultsWindow->close();
    if (m_serialMonitor)
        m_serialMonitor->close();
    if (m_classResults)
        m_classResults->close();
}

void WindowManager::showResults()
{
    showSingle(m_resultsWindow, [this] {
        return new frmResults(*m_results, m_services.messageBoxes, m_services.fileDialogs,
                              m_services.printer, m_services.dataFiles);
    });
}

void WindowManager::recordTrial(const FrictionTrial &trial)
{
    // The trial is in the table, but only in memory: the operator must know.
    if (const auto error = m_results->addTrial(trial))
        m_services.messageBoxes.warning(m_calculator, AppInfo::title(),
                                        ResultsMessages::trialNotSaved(*error));
}

void WindowManager::showSerialMonitor()
{
    // Like the calculator, a window of its own; the recorder keeps the traffic while it is closed.
    showSingle(m_serialMonitor, [this] {
        return new frmSerialMonitor(*m_services.trafficRecorder, *m_trafficLog,
                                    m_services.fileDialogs, m_services.dataFiles,
                                    m_services.messageBoxes);
    });
}

void WindowManager::showLogFailed(const FileError &error)
{
    // The log runs with the monitor closed too; the box then comes up over the main window.
    QWidget *parent = m_serialMonitor ? static_cast<QWidget *>(m_serialMonitor) : m_main.get();
    m_services.messageBoxes.warning(parent, AppInfo::title(),
                                    frmSerialMonitor::logFailedText(error));
}

void WindowManager::showPortProperties()
{
    frmProperties dialog(m_services.port, m_services.messageBoxes, m_services.settingsStore,
                         m_main.get());
    dialog.exec();
}

void WindowManager::showPortMap()
{
    frmPortMap dialog(m_services.deviceList, m_services.port, m_services.messageBoxes,
                      m_main.get());
    if (dialog.exec() == QDialog::Accepted && dialog.portReopened())
        m_main->showPortReopened(frmMotorControl::PortReopen::NewDevice);
}

void WindowManager::showAbout()
{
    frmAbout dialog(m_services.registry, m_services.fileChecks, m_services.programStarter,
                    m_services.messageBoxes, m_services.sysInfoTools, m_main.get());
    dialog.exec();
}

void WindowManager::startClassSync(const ClassServerSettings &settings)
{
    m_classStation.reset();
    if (settings.isConfigured() && m_services.classOutbox) {
        m_classStation = m_services.classModule->station(*m_services.classOutbox, settings,
                                                         [this] { showClassState(); });
    }
    showClassState();
}

void WindowManager::showClassState()
{
    if (m_classStation)
        m_main->showClassState(m_classStation->status(), m_classStation->details());
    else
        m_main->showClassState({}, {});
}

void WindowManager::showClassServer()
{
    const std::unique_ptr<QDialog> dialog = m_services.classModule->classServerDialog(
        m_services.settingsStore, m_services.fileDialogs, m_services.messageBoxes, m_main.get());
    if (!dialog) {
        classModuleMissing();
        return;
    }
    if (dialog->exec() == QDialog::Accepted)
        startClassSync(ClassServerSettings::read(m_services.settingsStore));
}

void WindowManager::showClassResults()
{
    const ClassServerSettings settings = ClassServerSettings::read(m_services.settingsStore);
    if (!settings.isConfigured()) {
        m_services.messageBoxes.show(m_main.get(), MessageBoxes::Icon::Information,
                                     MessageBoxes::Buttons::Ok, AppInfo::title(),
                                     QStringLiteral("No class server is set. Choose Options > "
                                                    "Class Server... to set one."));
        return;
    }
    if (!m_classResults) {
        QWidget *window = m_services.classModule->classResults(
            settings, m_services.fileDialogs, m_services.dataFiles, m_services.messageBoxes,
            QDate::currentDate());
        if (!window) {
            classModuleMissing();
            return;
        }
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_classResults = window;
    }
    m_classResults->show();
    m_classResults->raise();
    m_classResults->activateWindow();
}

void WindowManager::classModuleMissing()
{
    // An installation with a part missing: nothing else of the program depends on it.
    m_services.messageBoxes.warning(
        m_main.get(), AppInfo::title(),
        QStringLiteral("The class server's part of Tiltbench (tiltbench_class.so) could not be "
                       "loaded. Reinstall Tiltbench to use a class server."));
}
