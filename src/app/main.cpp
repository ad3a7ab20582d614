#include "appinfo.h"
#include "commandline.h"
#include "desktopsysinfotools.h"
#include "portmessages.h"
#include "qsettingsstore.h"
#include "qtdatafiles.h"
#include "qtdevicelist.h"
#include "qtfilechecks.h"
#include "qtfiledialogs.h"
#include "qtmessageboxes.h"
#include "qtprogramstarter.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "trafficrecorder.h"
#include "windowmanager.h"

#include <QApplication>

#include <cstdio>

#ifdef Q_OS_WIN
#include "winregistry.h"
using SystemRegistry = WinRegistry;
#else
#include "nullregistry.h"
// Only Windows has a registry; elsewhere it has no keys.
using SystemRegistry = NullRegistry;
#endif

// Tiltbench reads no configuration: every run starts on port 1 at "9600,N,8,1". The command line
// only answers --help and --version.
int main(int argc, char *argv[])
{
    const CommandLine::Outcome outcome = CommandLine::parse(CommandLine::fromArgv(argc, argv));
    if (const auto *exit = std::get_if<CommandLine::Exit>(&outcome)) {
        std::fputs(qPrintable(exit->text), exit->status == 0 ? stdout : stderr);
        return exit->status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setOrganizationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::versionText());
    QApplication::setWindowIcon(AppInfo::windowIcon());
    // Ties the windows to the installed desktop entry, for the desktop's icon and name.
    QApplication::setDesktopFileName(QStringLiteral(TILTBENCH_APP_ID));

    QtSerialPort serialPort;
    // Every byte on the line is recorded from here on, for the serial monitor; the windows use
    // the port through the recorder.
    TrafficRecorder trafficRecorder;
    RecordingSerialPort port(serialPort, trafficRecorder, &PortMessages::closedReason);
    QtMessageBoxes messageBoxes;
    QSettingsStore settingsStore;
    SystemRegistry registry;
    QtFileChecks fileChecks;
    QtProgramStarter programStarter;
    DesktopSysInfoTools sysInfoTools;
    QtDataFiles dataFiles;
    QtFileDialogs fileDialogs;
    QtDeviceList deviceList;

    WindowManager windows({ port, messageBoxes, settingsStore, registry, fileChecks, programStarter,
                            sysInfoTools, dataFiles, fileDialogs, deviceList, &trafficRecorder });
    windows.start();
    return app.exec();
}
