#include "appinfo.h"
#include "qsettingsstore.h"
#include "qtdevicelist.h"
#include "qtfilechecks.h"
#include "qtmessageboxes.h"
#include "qtprogramstarter.h"
#include "qtserialport.h"
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

    QtSerialPort port;
    QtMessageBoxes messageBoxes;
    QSettingsStore settingsStore;
    SystemRegistry registry;
    QtFileChecks fileChecks;
    QtProgramStarter programStarter;
    QtDeviceList deviceList;

    WindowManager windows(
        { port, messageBoxes, settingsStore, registry, fileChecks, programStarter, deviceList });
    windows.start();
    return app.exec();
}
