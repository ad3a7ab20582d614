#include "sysinfolauncher.h"

#include "appinfo.h"
#include "filechecks.h"
#include "messageboxes.h"
#include "programstarter.h"
#include "sysinfotools.h"

#include <QCoreApplication>

#include <array>

namespace {

const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kPathValue = QStringLiteral("PATH");
const QString kFolderKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kFolderValue = QStringLiteral("MSINFO");
const QString kProgramFile = QStringLiteral("\\MSINFO32.EXE");
const char *const kUnavailable
    = QT_TRANSLATE_NOOP("SysInfoLauncher", "System Information Is Unavailable At This Time");

// Only a path with a drive and a backslash, or a network share, names one program wherever the
// program runs from; a path from the root of the current drive may reach a USB stick or a share.
bool isAbsoluteWindowsPath(const QString &path)
{
    if (path.startsWith(QStringLiteral("\\\\")))
        return true;
    return path.size() >= 3 && path.at(0).isLetter() && path.at(0).unicode() < 0x80
        && path.at(1) == u':' && (path.at(2) == u'\\' || path.at(2) == u'/');
}

// Closes an opened key on every way out of a read.
class KeyCloser
{
public:
    KeyCloser(Registry &registry, Registry::Handle handle)
        : m_registry(registry)
        , m_handle(handle)
    {
    }
    ~KeyCloser() { m_registry.close(m_handle); }
    KeyCloser(const KeyCloser &) = delete;
    KeyCloser &operator=(const KeyCloser &) = delete;

private:
    Registry &m_registry;
    Registry::Handle m_handle;
};

// Turns the stored bytes of a value into text in keyVal. False when they cannot be a value of their
// type; a type that is neither string nor number leaves keyVal alone.
bool decode(quint32 type, const quint8 *buffer, quint32 size, QString &keyVal)
{
    // The trim looks at the last stored position; a value of no bytes has none, and a size beyond
    // the buffer would point past it.
    if (size == 0 || size > SysInfoLauncher::kBufferSize)
        return false;

    // A string stored with its terminating zero loses it; one stored without keeps every
    // character. Positions are bytes, and the text is decoded only after the trim, so a character
    // of several bytes in the code page can neither shift the position nor be cut in two.
    const quint32 kept = buffer[size - 1] == 0 ? size - 1 : size;

    switch (type) {
    case Registry::kTypeString:
        keyVal = QString::fromLocal8Bit(reinterpret_cast<const char *>(buffer), kept);
        return true;
    case Registry::kTypeNumber: {
        // The stored bytes put the least significant first; reading them from the last to the
        // first gives the number's hexadecimal digits, two per byte. A number is four bytes at
        // most; more would not fit, and is treated as unreadable rather than cut short.
        if (kept > 4)
            return false;
        quint32 number = 0;
        for (quint32 i = kept; i > 0; --i)
            number = (number << 8) | buffer[i - 1];
        // Unsigned: values of 2^31 and more come out positive, as the registry holds them.
        keyVal = QString::number(number);
        return true;
    }
    default:
        return true;
    }
}

} // namespace

SysInfoLauncher::SysInfoLauncher(Registry &registry, FileChecks &files, ProgramStarter &programs,
                                 MessageBoxes &boxes, SysInfoTools &tools)
    : m_registry(registry)
    , m_files(files)
    , m_programs(programs)
    , m_boxes(boxes)
    , m_tools(tools)
{
}

bool SysInfoLauncher::GetKeyValue(Registry::Root KeyRoot, const QString &KeyName,
                                  const QString &SubKeyRef, QString &KeyVal)
{
    return readKeyValue(KeyRoot, KeyName, SubKeyRef, KeyVal);
}

bool SysInfoLauncher::readKeyValue(Registry::Root root, const QString &keyName,
                                   const QString &valueName, QString &keyVal, quint32 *type)
{
    Registry::Handle handle = 0;
    if (m_registry.open(root, keyName, Registry::kKeyRead, &handle) != Registry::kSuccess) {
        keyVal.clear();
        return false;
    }
    const KeyCloser closer(m_registry, handle);

    std::array<quint8, kBufferSize> buffer {};
    quint32 size = kBufferSize;
    quint32 valueType = 0;
    if (m_registry.queryValue(handle, valueName, &valueType, buffer.data(), &size)
        != Registry::kSuccess) {
        keyVal.clear();
        return false;
    }
    if (type)
        *type = valueType;
    if (!decode(valueType, buffer.data(), size, keyVal)) {
        keyVal.clear();
        return false;
    }
    return true;
}

bool SysInfoLauncher::readAbsolutePath(const QString &keyName, const QString &valueName,
                                       QString &path)
{
    quint32 type = 0;
    return readKeyValue(Registry::kLocalMachine, keyName, valueName, path, &type)
        && type == Registry::kTypeString && isAbsoluteWindowsPath(path);
}

void SysInfoLauncher::StartSysInfo(QWidget *boxParent)
{
    // A path from the first location is started as it is, without an existence test; if it is
    // stale the start fails and the second location is not tried.
    QString path;
    bool havePath = readAbsolutePath(kPathKey, kPathValue, path);
    if (!havePath) {
        QString folder;
        // The file name is appended to the folder text unchanged, so a folder stored with a
        // trailing backslash gives a doubled one, which Windows accepts.
        if (readAbsolutePath(kFolderKey, kFolderValue, folder)
            && m_files.fileExists(folder + kProgramFile)) {
            path = folder + kProgramFile;
            havePath = true;
        }
    }

    const bool started = havePath ? m_programs.start(path) : startFallbackTool();
    if (!started)
        m_boxes.show(boxParent, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok,
                     AppInfo::title(),
                     QCoreApplication::translate("SysInfoLauncher", kUnavailable));
}

bool SysInfoLauncher::startFallbackTool()
{
    for (const QString &name : m_tools.fallbackTools()) {
        const QString program = m_files.findExecutable(name);
        // Only the first one found is tried: if it will not start, the user gets the message
        // rather than a different tool than the one the desktop offers.
        if (!program.isEmpty())
            return m_programs.start(program);
    }
    return false;
}
