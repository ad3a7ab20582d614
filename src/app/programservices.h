#pragma once

#include "desktopsysinfotools.h"
#include "lazyclassmodule.h"
#include "lazyresultsstore.h"
#include "moduleprinter.h"
#include "qsettingsstore.h"
#include "qtappendfile.h"
#include "qtdatafiles.h"
#include "qtdevicelist.h"
#include "qtfilechecks.h"
#include "qtfiledialogs.h"
#include "qtmessageboxes.h"
#include "qtprogramstarter.h"
#include "qtserialport.h"
#include "recordingserialport.h"
#include "storeoutbox.h"
#include "trafficrecorder.h"
#include "windowmanager.h"

#ifdef Q_OS_WIN
#include "winregistry.h"
#else
#include "nullregistry.h"
#endif

// The real outside world of one run of Tiltbench, as main() hands it to the windows: the serial
// port behind the traffic recorder, so that every byte is recorded from start-up, and the system's
// message boxes, settings, files, dialogs and devices. The benchmarks start the program through the
// same object, with message boxes that answer themselves and file dialogs that answer from a
// script.
class ProgramServices
{
public:
    // `messageBoxes` and `fileDialogs` replace the system's when given.
    explicit ProgramServices(MessageBoxes *messageBoxes = nullptr,
                             FileDialogs *fileDialogs = nullptr);

    Services services();

private:
#ifdef Q_OS_WIN
    using SystemRegistry = WinRegistry;
#else
    // Only Windows has a registry; elsewhere it has no keys.
    using SystemRegistry = NullRegistry;
#endif

    QtSerialPort m_serialPort;
    TrafficRecorder m_trafficRecorder;
    RecordingSerialPort m_port;
    QtMessageBoxes m_systemMessageBoxes;
    MessageBoxes &m_messageBoxes;
    QSettingsStore m_settingsStore;
    SystemRegistry m_registry;
    QtFileChecks m_fileChecks;
    QtProgramStarter m_programStarter;
    DesktopSysInfoTools m_sysInfoTools;
    QtDataFiles m_dataFiles;
    QtFileDialogs m_systemFileDialogs;
    FileDialogs &m_fileDialogs;
    ModulePrinter m_printer;
    QtDeviceList m_deviceList;
    // Made after the data files, whose folder it lies in.
    LazyResultsStore m_resultsStore;
    QtAppendFile m_logFile;
    LazyClassModule m_classModule;
    // The class server's queue, which the results database keeps.
    StoreOutbox m_classOutbox { m_resultsStore };
};
