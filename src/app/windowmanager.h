#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class FileChecks;
class frmCalculate;
class frmMotorControl;
class frmSerialMonitor;
class MessageBoxes;
class ProgramStarter;
class Registry;
class SaveFileDialog;
class SerialPort;
class SettingsStore;
class TrafficRecorder;

// The outside world as the program's windows reach it; main() hands in the real services, tests
// hand in fakes.
struct Services
{
    SerialPort &port;
    MessageBoxes &messageBoxes;
    SettingsStore &settingsStore;
    Registry &registry;
    FileChecks &fileChecks;
    ProgramStarter &programStarter;
    // The serial traffic recorded under `port`; without it there is no serial monitor.
    TrafficRecorder *trafficRecorder = nullptr;
    SaveFileDialog *saveFileDialog = nullptr;
};

// Creates the windows and decides how long each lives. The main window lives for the whole run and
// drives the one serial port, which main() owns; the calculator and the serial monitor are
// modeless and exist at most once, discarded when closed; the port dialog and the About box are
// modal and made anew for each showing. The program ends when its last window has closed.
class WindowManager : public QObject
{
    Q_OBJECT

public:
    explicit WindowManager(const Services &services, QObject *parent = nullptr);
    ~WindowManager() override;

    frmMotorControl *mainWindow() const { return m_main.get(); }
    // The calculator window while it is open, or null.
    frmCalculate *calculator() const;
    // The serial monitor while it is open, or null.
    frmSerialMonitor *serialMonitor() const;

    // Shows the main window, the start-up window of the program.
    void start();

private:
    void showCalculator();
    void closeCalculator();
    void showSerialMonitor();
    void showPortProperties();
    void showAbout();

    Services m_services;
    std::unique_ptr<frmMotorControl> m_main;
    QPointer<frmCalculate> m_calculator;
    QPointer<frmSerialMonitor> m_serialMonitor;
};
