#include "qtdatafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

FileError errorOf(const QString &path, const QFileDevice &file)
{
    return { path, file.errorString() };
}

std::optional<FileError> makeFolderFor(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (QDir().mkpath(folder))
        return std::nullopt;
    return FileError {
        folder, QCoreApplication::translate("QtDataFiles", "The folder could not be created.")
    };
}

// A new file's name lives in its folder: the folder must reach the disk too, or a power cut can
// lose the file with the rows already synced into it.
void syncFolderOf(const QString &path)
{
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(path);
#endif
}

} // namespace

QString QtDataFiles::dataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
        + QCoreApplication::applicationName();
}

bool QtDataFiles::exists(const QString &path) const
{
    return QFileInfo(path).isFile();
}

QStringList QtDataFiles::list(const QString &folder, const QString &suffix) const
{
    const QDir dir(folder);
    QStringList paths;
    for (const QString &name :
         dir.entryList({ QLatin1Char('*') + suffix }, QDir::Files | QDir::Hidden, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

DataFiles::ReadResult QtDataFiles::read(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return errorOf(path, file);
    QByteArray bytes = file.readAll();
    // A read cut short would look like a journal whose last line a power cut broke.
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size())
        return errorOf(path, file);
    return bytes;
}

std::optional<FileError> QtDataFiles::append(const QString &path, const QByteArray &bytes)
{
    if (auto error = makeFolderFor(path))
        return error;
    const bool isNew = !QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return errorOf(path, file);
    const qint64 sizeBefore = file.size();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const FileError error = errorOf(path, file);
        // Half a line left behind would swallow the next line appended after it.
        file.resize(sizeBefore);
        return error;
    }
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0)
        return FileError { path, QString::fromLocal8Bit(strerror(errno)) };
#endif
    file.close();
    if (isNew)
        syncFolderOf(path);
    return std::nullopt;
}

std::optional<FileError> QtDataFiles::replace(const QString &path, const QByteArray &bytes)
{
    if (auto error = makeFolderFor(path))
        return error;
    // QSaveFile writes a temporary file, syncs it and renames it over the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return errorOf(path, file);
    if (file.write(bytes) != bytes.size())
        return errorOf(path, file);
    if (!file.commit())
        return errorOf(path, file);
    syncFolderOf(path);
    return std::nullopt;
}
