#pragma once

// The storage room: what the program keeps on disk for the operator (the settings store and the
// data files). QtCore only. It knows no window and no operator's sentence: it reports the file and
// the system's cause, and the layers above speak.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What went wrong with a file: the file and the system's own words for the cause. The layers
// above turn it into the operator's sentence.
struct FileError
{
    QString path;
    QString cause;
};

// The files the program keeps and writes for the operator: its data folder, durable appends and
// atomic replacements. Tests use an in-memory stand-in; the crash tests use the real one.
class DataFiles
{
public:
    using ReadResult = std::variant<QByteArray, FileError>;

    virtual ~DataFiles() = default;

    // The program's own folder under the user's data folder ($XDG_DATA_HOME/Tiltbench on Linux).
    virtual QString dataFolder() const = 0;

    virtual bool exists(const QString &path) const = 0;
    // The files directly in `folder` whose names end in `suffix`, as paths, in name order.
    virtual QStringList list(const QString &folder, const QString &suffix) const = 0;
    virtual ReadResult read(const QString &path) const = 0;

    // Adds the bytes at the end of the file, creating it and its folders when missing, and returns
    // only once they are on the disk (fsync): a power cut afterwards cannot take them back.
    virtual std::optional<FileError> append(const QString &path, const QByteArray &bytes) = 0;

    // Replaces the whole file at once: a crash leaves either the old or the new contents.
    virtual std::optional<FileError> replace(const QString &path, const QByteArray &bytes) = 0;
};
