#include "lazyclassmodule.h"

#include "programmodule.h"

#include <QCoreApplication>
#include <QDialog>

ClassModule *LazyClassModule::module()
{
    if (m_module)
        return m_module;
    const QString name = QStringLiteral(TILTBENCH_CLASS_MODULE);
    const auto loaded = ProgramModule::load(name, QStringLiteral(TILTBENCH_CLASS_INSTALL_DIR),
                                            QStringLiteral(TILTBENCH_CLASS_BUILD_DIR));
    if (const auto *why = std::get_if<QString>(&loaded)) {
        m_error = *why;
        return nullptr;
    }
    m_module = qobject_cast<ClassModule *>(std::get<QObject *>(loaded));
    if (!m_module)
        m_error = QCoreApplication::translate("LazyClassModule", "%1 is not the class module")
                      .arg(name);
    return m_module;
}

std::unique_ptr<QDialog> LazyClassModule::classServerDialog(SettingsStore &settingsStore,
                                                            FileDialogs &fileDialogs,
                                                            MessageBoxes &messageBoxes,
                                                            QWidget *parent)
{
    ClassModule *loaded = module();
    return loaded ? loaded->classServerDialog(settingsStore, fileDialogs, messageBoxes, parent)
                  : nullptr;
}

QWidget *LazyClassModule::classResults(const ClassServerSettings &settings,
                                       FileDialogs &fileDialogs, DataFiles &files,
                                       MessageBoxes &messageBoxes, QDate today)
{
    ClassModule *loaded = module();
    return loaded ? loaded->classResults(settings, fileDialogs, files, messageBoxes, today)
                  : nullptr;
}

std::unique_ptr<ClassStation> LazyClassModule::station(ClassOutbox &outbox,
                                                       const ClassServerSettings &settings,
                                                       std::function<void()> statusChanged)
{
    ClassModule *loaded = module();
    return loaded ? loaded->station(outbox, settings, std::move(statusChanged)) : nullptr;
}
