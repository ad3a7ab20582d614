#pragma once

// The class module's room: the class server's code as one module that the program loads at the
// first use (ClassPlugin), and the program's side of it (LazyClassModule). Only a bench with a
// class server maps it, and with it Qt SQL.

#include "classtools.h"
#include "psqlclassserver.h"

#include <QObject>

// The module's root object: the class server's tools over the real PostgreSQL server.
class ClassPlugin : public QObject, public ClassModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ClassModule_iid)
    Q_INTERFACES(ClassModule)

public:
    ClassPlugin();

    std::unique_ptr<QDialog> classServerDialog(SettingsStore &settingsStore,
                                               FileDialogs &fileDialogs, MessageBoxes &messageBoxes,
                                               QWidget *parent) override;
    QWidget *classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                          DataFiles &files, MessageBoxes &messageBoxes, QDate today) override;
    std::unique_ptr<ClassStation> station(ClassOutbox &outbox, const ClassServerSettings &settings,
                                          std::function<void()> statusChanged) override;

private:
    PsqlClassServer m_server;
    ClassTools m_tools;
};
