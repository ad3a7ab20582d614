#pragma once

#include "classmodule.h"

// The class module as the program holds it: loaded at the first call, from the program's own
// library folder when installed, or beside the program or where it was built in the build tree.
// When it cannot be loaded the dialog and the window are not shown and the station does not
// start; the reason is given by loadError().
class LazyClassModule : public ClassModule
{
public:
    std::unique_ptr<QDialog> classServerDialog(SettingsStore &settingsStore,
                                               FileDialogs &fileDialogs, MessageBoxes &messageBoxes,
                                               QWidget *parent) override;
    QWidget *classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                          DataFiles &files, MessageBoxes &messageBoxes, QDate today) override;
    std::unique_ptr<ClassStation> station(ClassOutbox &outbox, const ClassServerSettings &settings,
                                          std::function<void()> statusChanged) override;

    QString loadError() const { return m_error; }

private:
    ClassModule *module();

    ClassModule *m_module = nullptr;
    QString m_error;
};
