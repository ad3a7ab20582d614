#include "lazyclassmodule.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileInfo>
#include <QPluginLoader>

ClassModule *LazyClassModule::module()
{
    if (m_module)
        return m_module;
    const QString name = QStringLiteral(TILTBENCH_CLASS_MODULE);
    const QString programDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QStringList candidates { programDir + QStringLiteral(TILTBENCH_CLASS_INSTALL_DIR "/")
                                       + name,
                                   programDir + name,
                                   QStringLiteral(TILTBENCH_CLASS_BUILD_DIR "/") + name };
    m_error = QStringLiteral("%1 was not found").arg(name);
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        // The module's root object stays alive with the loaded library for the rest of the run.
        if (auto *module = qobject_cast<ClassModule *>(loader.instance())) {
            m_module = module;
            m_error.clear();
            return m_module;
        }
        m_error = loader.errorString();
    }
    return nullptr;
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
