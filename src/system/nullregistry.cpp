#include "nullregistry.h"

long NullRegistry::open(Root, const QString &, quint32, Handle *)
{
    return kFileNotFound;
}

long NullRegistry::queryValue(Handle, const QString &, quint32 *, quint8 *, quint32 *)
{
    return kFileNotFound;
}

void NullRegistry::close(Handle)
{
}
