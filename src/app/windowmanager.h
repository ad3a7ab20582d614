#pragma once

#include <QObject>
#include <QPointer>

#include <memory>
#include <optional>

class AppendFile;
class ClassModule;
class ClassOutbox;
class ClassStation;
struct ClassServerSettings;
class DataFiles;
struct FileError;
class DeviceList;
class FileChecks;
class FileDialogs;
class frmCalculate;
class frmMotorControl;
class frmResults;
struct FrictionTrial;
class frmSerialMonitor;
class MessageBoxes;
class Printer;
class ProgramStarter;
class ReconnectWatcher;
class Registry;
class ResultsSession;
class ResultsStore;
class SerialPort;
class SettingsStore;
class SysInfoTools;
class TrafficLog;
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
    SysInfoTools &sysInfoTools;
    DataFiles &dataFiles;
    FileDialogs &fileDialogs;
    Printer &printer;
    DeviceList &deviceList;
    // The results database; opened at the first trial or the first look at Results.
    ResultsStore &resultsStore;
    // The serial traffic recorded under `port`; without it there is no serial monitor.
    TrafficRecorder *trafficRecorder = nullptr;
    // The file the serial monitor logs to; without it there is no serial monitor either.
    AppendFile *logFile = nullptr;
    // The class server's dialog, window and station; without it their menu items are hidden.
    ClassModule *classModule = nullptr;
    // What waits to go to the class server; without it nothing is sent, though Class Results
    // and the connection's state still work.
    ClassOutbox *classOutbox = nullptr;
};

// Creates the windows and decides how long each lives. The main window lives for the whole run and
// drives the one serial port, which main() owns; the calculator and the serial monitor are modeless
// and exist at most once, discarded when closed; the port dialogs and the About box are modal and
// made anew for each showing. The Results window is modeless and single like the calculator; the
// trials it shows are kept for the whole run, whether it is open or not, and every successful
// calculation adds one. Closing the main window while trials are unsaved asks first. Class Results
// is modeless and single too, with a connection of its own. While a class server is set, a sender
// empties the outbox into it for the whole run and the main window's status bar shows how that
// goes; with none set, nothing of it is made (no thread, no driver). The program ends when its
// last window has closed.
class WindowManager : public QObject
{
    Q_OBJECT

public:
    explicit WindowManager(const Services &services, QObject *parent = nullptr);
    ~WindowManager() override;

    frmMotorControl *mainWindow() const { return m_main.get(); }
    // The calculator window while it is open, or null.
    frmCalculate *calculator() const;
    // The Results window while it is open, or null.
    frmResults *results() const;
    ResultsSession &resultsSession() const { return *m_results; }
    // The serial monitor while it is open, or null.
    frmSerialMonitor *serialMonitor() const;
    // Class Results while it is open, or null.
    QWidget *classResults() const;

    // Shows the main window, the start-up window of the program.
    void start();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCalculator();
    void closeModelessWindows();
    void showResults();
    void recordTrial(const FrictionTrial &trial);
    void showSerialMonitor();
    void showLogFailed(const FileError &error);
    void showPortProperties();
    void showAbout();
    void showPortMap();
    void showClassServer();
    void showClassResults();
    void startClassSync(const ClassServerSettings &settings);
    void showClassState();
    void classModuleMissing();

    Services m_services;
    std::unique_ptr<frmMotorControl> m_main;
    // Opens the port again when its device returns, for as long as the main window lives.
    std::unique_ptr<ReconnectWatcher> m_reconnect;
    QPointer<frmCalculate> m_calculator;
    std::unique_ptr<ResultsSession> m_results;
    QPointer<frmResults> m_resultsWindow;
    // The serial monitor's log, which runs whether the monitor is open or not.
    std::unique_ptr<TrafficLog> m_trafficLog;
    QPointer<frmSerialMonitor> m_serialMonitor;
    // The answer about unsaved trials given at File > Exit, for the close that follows.
    std::optional<bool> m_exitDecision;
    QPointer<QWidget> m_classResults;
    // What sends the outbox to the class server; absent while none is set.
    std::unique_ptr<ClassStation> m_classStation;
};
