#include "symboliclink.h"

#include <QCoreApplication>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_UNIX

SymbolicLink::Kind SymbolicLink::kindAt(const QString &path)
{
    struct stat entry = {};
    if (::lstat(QFile::encodeName(path).constData(), &entry) != 0)
        return Kind::Nothing;
    return S_ISLNK(entry.st_mode) ? Kind::Link : Kind::Other;
}

QString SymbolicLink::target(const QString &path)
{
    char buffer[4096];
    const ssize_t length = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return length > 0 ? QFile::decodeName(QByteArray(buffer, length)) : QString();
}

SymbolicLink::Result SymbolicLink::point(const QString &path, const QString &target)
{
    const auto failure = [] {
        return Result { Outcome::Failed, QString::fromLocal8Bit(std::strerror(errno)) };
    };
    if (kindAt(path) == Kind::Other)
        return { Outcome::NotALink, {} };
    // A name of this process's own beside the link, so the rename stays inside one file system.
    const QByteArray link = QFile::encodeName(path);
    const QByteArray temporary = link + ".new-" + QByteArray::number(qint64(::getpid()));
    ::unlink(temporary.constData());
    if (::symlink(QFile::encodeName(target).constData(), temporary.constData()) != 0)
        return failure();
    // Something other than a link may have appeared meanwhile; it still must not be replaced.
    if (kindAt(path) == Kind::Other) {
        ::unlink(temporary.constData());
        return { Outcome::NotALink, {} };
    }
    if (::rename(temporary.constData(), link.constData()) != 0) {
        const Result result = failure();
        ::unlink(temporary.constData());
        return result;
    }
    return {};
}

#else

SymbolicLink::Kind SymbolicLink::kindAt(const QString &path)
{
    return QFile::exists(path) ? Kind::Other : Kind::Nothing;
}

QString SymbolicLink::target(const QString &)
{
    return {};
}

SymbolicLink::Result SymbolicLink::point(const QString &, const QString &)
{
    return { Outcome::Failed,
             QCoreApplication::translate("SymbolicLink",
                                         "this system has no symbolic links for ports") };
}

#endif
