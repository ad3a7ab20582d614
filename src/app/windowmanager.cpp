#include "windowmanager.h"

#include "frmabout.h"
#include "frmcalculate.h"
#include "frmmotorcontrol.h"
#include "frmproperties.h"
#include "frmserialmonitor.h"

#include <QAction>

WindowManager::WindowManager(const Services &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_main(std::make_unique<frmMotorControl>(services.port, services.messageBoxes))
{
    connect(m_main.get(), &frmMotorControl::calculatorRequested, this,
            &WindowManager::showCalculator);
    connect(m_main.get(), &frmMotorControl::portPropertiesRequested, this,
            &WindowManager::showPortProperties);
    connect(m_main.get(), &frmMotorControl::aboutRequested, this, &WindowManager::showAbout);
    connect(m_main.get(), &frmMotorControl::exitConfirmed, this, &WindowManager::closeCalculator);
    for (QAction *action : { m_main->mnuToolsCalc, m_main->mnuOptionsPort, m_main->mnuHelpAbout })
        action->setEnabled(true);

    if (services.trafficRecorder && services.saveFileDialog) {
        connect(m_main.get(), &frmMotorControl::serialMonitorRequested, this,
                &WindowManager::showSerialMonitor);
        connect(m_main.get(), &frmMotorControl::exitConfirmed, this, [this] {
            if (m_serialMonitor)
                m_serialMonitor->close();
        });
        m_main->mnuToolsMonitor->setEnabled(true);
    }
}

WindowManager::~WindowManager()
{
    delete m_calculator;
    delete m_serialMonitor;
}

frmCalculate *WindowManager::calculator() const
{
    return m_calculator;
}

frmSerialMonitor *WindowManager::serialMonitor() const
{
    return m_serialMonitor;
}

void WindowManager::start()
{
    m_main->show();
}

void WindowManager::showCalculator()
{
    // No parent: the calculator is a window of its own that stays open when the main window is
    // closed by its title bar.
    if (!m_calculator) {
        m_calculator = new frmCalculate(m_services.messageBoxes);
        m_calculator->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

void WindowManager::closeCalculator()
{
    if (m_calculator)
        m_calculator->close();
}

void WindowManager::showSerialMonitor()
{
    // Like the calculator, a window of its own; the recorder keeps the traffic while it is closed.
    if (!m_serialMonitor) {
        m_serialMonitor = new frmSerialMonitor(*m_services.trafficRecorder,
                                               *m_services.saveFileDialog, m_services.messageBoxes);
        m_serialMonitor->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_serialMonitor->show();
    m_serialMonitor->raise();
    m_serialMonitor->activateWindow();
}

void WindowManager::showPortProperties()
{
    frmProperties dialog(m_services.port, m_services.messageBoxes, m_services.settingsStore,
                         m_main.get());
    dialog.exec();
}

void WindowManager::showAbout()
{
    frmAbout dialog(m_services.registry, m_services.fileChecks, m_services.programStarter,
                    m_services.messageBoxes, m_main.get());
    dialog.exec();
}
