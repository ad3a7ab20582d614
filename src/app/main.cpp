#include "appinfo.h"
#include "commandline.h"
#include "programservices.h"
#include "translations.h"
#include "windowmanager.h"

#include <QApplication>

#include <cstdio>

// Tiltbench reads no configuration: every run starts on port 1 at "9600,N,8,1". The command line
// only answers --help and --version.
int main(int argc, char *argv[])
{
    const CommandLine::Outcome outcome = CommandLine::parse(CommandLine::fromArgv(argc, argv));
    if (const auto *exit = std::get_if<CommandLine::Exit>(&outcome)) {
        std::fputs(qPrintable(exit->text), exit->status == 0 ? stdout : stderr);
        return exit->status;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::title());
    QApplication::setOrganizationName(AppInfo::title());
    QApplication::setApplicationVersion(AppInfo::versionText());
    QApplication::setWindowIcon(AppInfo::windowIcon());
    Translations::install(QStringLiteral("tiltbench"),
                          QStringLiteral(TILTBENCH_TRANSLATIONS_FROM_BIN),
                          QStringLiteral(TILTBENCH_TRANSLATIONS_BUILD_DIR));
    // Ties the windows to the installed desktop entry, for the desktop's icon and name.
    QApplication::setDesktopFileName(QStringLiteral(TILTBENCH_APP_ID));

    ProgramServices real;
    WindowManager windows(real.services());
    windows.start();
    return app.exec();
}
