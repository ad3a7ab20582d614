#pragma once

#include "classmodule.h"

class ClassServer;

// The class server's dialog, window and station, made over a ClassServer: what the class module
// hands the program, and what the tests use directly over a server of their choice.
class ClassTools : public ClassModule
{
public:
    explicit ClassTools(ClassServer &server);

    std::unique_ptr<QDialog> classServerDialog(SettingsStore &settingsStore,
                                               FileDialogs &fileDialogs, MessageBoxes &messageBoxes,
                                               QWidget *parent) override;
    QWidget *classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                          DataFiles &files, MessageBoxes &messageBoxes, QDate today) override;
    std::unique_ptr<ClassStation> station(ClassOutbox &outbox, const ClassServerSettings &settings,
                                          std::function<void()> statusChanged) override;

private:
    ClassServer &m_server;
};
