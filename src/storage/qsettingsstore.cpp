#include "qsettingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

namespace {

// The value as the settings file on the disk holds it now. QSettings keeps one copy of each file
// in memory for the whole process, so the file is read through a copy of its own, which no
// QSettings has seen yet. Nothing where the store is not a file (the registry).
std::optional<QString> valueOnDisk(const QString &file, const QString &section, const QString &key)
{
    if (!QFileInfo(file).isFile())
        return std::nullopt;
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("settings.ini"));
    if (!folder.isValid() || !QFile::copy(file, copy))
        return std::nullopt;
    const QSettings written(copy, QSettings::IniFormat);
    const QVariant value = written.value(section + QLatin1Char('/') + key);
    if (written.status() != QSettings::NoError || !value.isValid())
        return std::nullopt;
    return value.toString();
}

} // namespace

bool QSettingsStore::SaveSetting(const QString &appName, const QString &section, const QString &key,
                                 const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    // A file that could not be read (damaged) is reported as a format error, and that error
    // stands even when the write then replaced the file with a sound one, the value in it: what
    // counts is whether the value is on the disk now.
    return valueOnDisk(settings.fileName(), section, key) == value;
}

QString QSettingsStore::GetSetting(const QString &appName, const QString &section,
                                   const QString &key, const QString &fallback) const
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    return settings.value(section + u'/' + key, fallback).toString();
}

bool QSettingsStore::HasSection(const QString &appName, const QString &section) const
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // The settings file of QSettings' native format here, found as QSettings finds it; a section
    // is a line "[name]", spaces written as %20. Reading it raw keeps QSettings' parser, and the
    // memory it takes, out of a start-up that needs no settings.
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    QFile file(QStringLiteral("%1/%2/%2.conf").arg(config, appName));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = '[' + section.toUtf8().replace(' ', "%20") + ']';
    const QByteArray text = '\n' + file.readAll();
    return text.contains('\n' + header + '\n') || text.contains('\n' + header + "\r\n");
#else
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, appName, appName);
    return settings.childGroups().contains(section);
#endif
}
