#include "appinfo.h"
#include "qsettingsstore.h"
#include "qtfilechecks.h"
#include "qtmessageboxes.h"
#include "qtprogramstarter.h"
#include "qtsavefiledialog.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "trafficrecorder.h"
#include "windowmanager.h"

#include <QApplication>

#ifdef Q_OS_WIN
#include "winregistry.h"
using SystemRegistry = WinRegistry;
#else
#include "nullregistry.h"
// Only Windows has a registry; elsewhere it has no keys.
using SystemRegistry = NullRegistry;
#endif

// Tiltbench takes no arguments and reads no configuration: every run starts on port 1 at
// "9600,N,8,1".
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setOrganizationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::versionText());
    QApplication::setWindowIcon(AppInfo::windowIcon());

    QtSerialPort serialPort;
    // Every byte on the line is recorded from here on, for the serial monitor; the windows use
    // the port through the recorder.
    TrafficRecorder trafficRecorder;
    RecordingSerialPort port(serialPort, trafficRecorder);
    QtMessageBoxes messageBoxes;
    QSettingsStore settingsStore;
    SystemRegistry registry;
    QtFileChecks fileChecks;
    QtProgramStarter programStarter;
    QtSaveFileDialog saveFileDialog;

    WindowManager windows({ port, messageBoxes, settingsStore, registry, fileChecks, programStarter,
                            &trafficRecorder, &saveFileDialog });
    windows.start();
    return app.exec();
}
