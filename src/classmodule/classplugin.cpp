#include "classplugin.h"

#include <QDialog>

ClassPlugin::ClassPlugin()
    : m_tools(m_server)
{
}

std::unique_ptr<QDialog> ClassPlugin::classServerDialog(SettingsStore &settingsStore,
                                                        FileDialogs &fileDialogs,
                                                        MessageBoxes &messageBoxes, QWidget *parent)
{
    return m_tools.classServerDialog(settingsStore, fileDialogs, messageBoxes, parent);
}

QWidget *ClassPlugin::classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                                   DataFiles &files, MessageBoxes &messageBoxes, QDate today)
{
    return m_tools.classResults(settings, fileDialogs, files, messageBoxes, today);
}

std::unique_ptr<ClassStation> ClassPlugin::station(ClassOutbox &outbox,
                                                   const ClassServerSettings &settings,
                                                   std::function<void()> statusChanged)
{
    return m_tools.station(outbox, settings, std::move(statusChanged));
}
