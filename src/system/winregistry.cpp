#include "winregistry.h"

#ifdef Q_OS_WIN

#include <QByteArray>

#include <windows.h>

namespace {

HKEY toKey(Registry::Handle handle)
{
    return reinterpret_cast<HKEY>(handle);
}

// The predefined root keys are 32-bit values that Windows sign-extends to a pointer
// (HKEY_LOCAL_MACHINE is (HKEY)(ULONG_PTR)(LONG)0x80000002), so the same is done here.
HKEY rootKey(Registry::Root root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

} // namespace

long WinRegistry::open(Root root, const QString &keyPath, quint32 access, Handle *handle)
{
    // On Windows the local 8-bit encoding is the ANSI code page.
    const QByteArray path = keyPath.toLocal8Bit();
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(rootKey(root), path.constData(), 0, access, &key);
    if (status == ERROR_SUCCESS)
        *handle = reinterpret_cast<Handle>(key);
    return status;
}

long WinRegistry::queryValue(Handle handle, const QString &valueName, quint32 *type, quint8 *data,
                             quint32 *size)
{
    const QByteArray name = valueName.toLocal8Bit();
    DWORD valueType = 0;
    DWORD valueSize = *size;
    const LONG status
        = RegQueryValueExA(toKey(handle), name.constData(), nullptr, &valueType, data, &valueSize);
    *type = valueType;
    *size = valueSize;
    return status;
}

void WinRegistry::close(Handle handle)
{
    RegCloseKey(toKey(handle));
}

#endif
