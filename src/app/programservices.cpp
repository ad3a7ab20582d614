#include "programservices.h"

#include "portmessages.h"

ProgramServices::ProgramServices(MessageBoxes *messageBoxes, FileDialogs *fileDialogs)
    : m_port(m_serialPort, m_trafficRecorder)
    , m_messageBoxes(messageBoxes ? *messageBoxes : m_systemMessageBoxes)
    , m_fileDialogs(fileDialogs ? *fileDialogs : m_systemFileDialogs)
    , m_resultsStore(m_dataFiles.dataFolder() + QStringLiteral("/results.sqlite"))
{
}

Services ProgramServices::services()
{
    return { m_port,           m_messageBoxes, m_settingsStore,    m_registry,    m_fileChecks,
             m_programStarter, m_sysInfoTools, m_dataFiles,        m_fileDialogs, m_printer,
             m_deviceList,     m_resultsStore, &m_trafficRecorder, &m_logFile,    &m_classModule,
             &m_classOutbox };
}
