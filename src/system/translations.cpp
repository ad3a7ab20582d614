#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs the first catalogue found in the folders; the translator lives as long as the program.
QString installFirst(const QString &catalogue, const QStringList &folders)
{
    const QLocale locale;
    for (const QString &folder : folders) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(locale, catalogue, QStringLiteral("_"), folder)
            && QCoreApplication::installTranslator(translator)) {
            return translator->filePath();
        }
        delete translator;
    }
    return {};
}

} // namespace

QString Translations::install(const QString &catalogue, const QString &installDir,
                              const QString &buildDir)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    installFirst(QStringLiteral("qtbase"), { qtFolder });
    installFirst(QStringLiteral("qtserialport"), { qtFolder });
    const QString programFolder = QCoreApplication::applicationDirPath();
    return installFirst(catalogue, { QDir(programFolder).filePath(installDir), buildDir });
}
