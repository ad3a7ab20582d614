#pragma once

// The About box: the window frmAbout shows the program's title, version and credits, and its
// "System Info..." button hands over to SysInfoLauncher. The launcher is a plain class over four
// services (registry, file checks, program starter, message boxes), so it runs and is tested
// without a window; on systems without a registry the program passes a NullRegistry. Which
// programs stand in when the registry names none is the system's business (SysInfoTools); the
// launcher only decides the order of attempts.

#include "registry.h"

#include <QString>
#include <QStringList>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

class FileChecks;
class MessageBoxes;
class ProgramStarter;
class SysInfoTools;

// Finds the operating system's system-information tool and starts it, or tells the user that it
// cannot.
class SysInfoLauncher
{
public:
    static constexpr quint32 kBufferSize = 1024;

    SysInfoLauncher(Registry &registry, FileChecks &files, ProgramStarter &programs,
                    MessageBoxes &boxes, SysInfoTools &tools);

    // Reads one registry value as text into KeyVal: a string as it is, a 32-bit number as decimal
    // digits; a value of any other type leaves KeyVal as it was. False, with KeyVal empty, when
    // the value could not be read.
    bool GetKeyValue(Registry::Root KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

    // Starts the tool without waiting for it; every failure ends in one message box, shown over
    // boxParent.
    void StartSysInfo(QWidget *boxParent = nullptr);

private:
    bool readKeyValue(Registry::Root root, const QString &keyName, const QString &valueName,
                      QString &keyVal, quint32 *type = nullptr);
    // A string value holding an absolute path; anything else counts as not read.
    bool readAbsolutePath(const QString &keyName, const QString &valueName, QString &path);
    bool startFallbackTool();

    Registry &m_registry;
    FileChecks &m_files;
    ProgramStarter &m_programs;
    MessageBoxes &m_boxes;
    SysInfoTools &m_tools;
};
