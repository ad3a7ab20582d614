#pragma once

#include "classserversettings.h"

#include <QDate>
#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>

QT_BEGIN_NAMESPACE
class QDialog;
class QWidget;
QT_END_NAMESPACE

class ClassOutbox;
class DataFiles;
class FileDialogs;
class MessageBoxes;
class SettingsStore;

// The sending side of a bench for the whole run: a sender emptying the outbox into the server.
class ClassStation
{
public:
    virtual ~ClassStation() = default;

    // Something was queued in the outbox.
    virtual void queued() = 0;
    // The status bar's text ("Class: connected") and the whole story for its tooltip.
    virtual QString status() const = 0;
    virtual QString details() const = 0;
};

// Everything of the class server that the program reaches through its menus and status bar: the
// dialog, the Class Results window and the station. The program gets it from the class module,
// loaded at the first use, so that a bench without a class server maps none of its code or of Qt
// SQL. Plain virtual calls and Qt's own classes only cross the module's boundary: a signal of a
// class compiled into both sides would not.
class ClassModule
{
public:
    virtual ~ClassModule() = default;

    // Options > Class Server..., for the caller to run modally; OK stores the settings.
    virtual std::unique_ptr<QDialog> classServerDialog(SettingsStore &settingsStore,
                                                       FileDialogs &fileDialogs,
                                                       MessageBoxes &messageBoxes, QWidget *parent)
        = 0;
    // Tools > Class Results, a window of its own with a connection of its own.
    virtual QWidget *classResults(const ClassServerSettings &settings, FileDialogs &fileDialogs,
                                  DataFiles &files, MessageBoxes &messageBoxes, QDate today)
        = 0;
    // Starts sending what waits in the outbox; `statusChanged` is called on the caller's thread.
    virtual std::unique_ptr<ClassStation> station(ClassOutbox &outbox,
                                                  const ClassServerSettings &settings,
                                                  std::function<void()> statusChanged)
        = 0;
};

#define ClassModule_iid "org.tiltbench.Tiltbench.ClassModule/1"
Q_DECLARE_INTERFACE(ClassModule, ClassModule_iid)
