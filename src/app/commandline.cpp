#include "commandline.h"

#include "appinfo.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

// Options of the toolkit that the application object handles itself; a desktop's session
// manager, for one, restarts programs with -session.
const char *const kToolkitValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger",
};
const char *const kToolkitFlagOptions[] = { "reverse", "widgetcount", "nograb", "dograb" };

// "Usage: tiltbench [options]", then the description and the options. The parser only knows the
// program's name from an application object, which does not exist yet.
QString usage(const QCommandLineParser &parser, const QString &program)
{
    const QString help = parser.helpText();
    return QStringLiteral("Usage: %1 [options]").arg(program) + help.mid(help.indexOf(u'\n'));
}

} // namespace

CommandLine::Outcome CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    // The toolkit's options are single-dash words (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("The operator's console and friction calculator for the tilting-ramp "
                       "friction lab.\nEvery run starts on port 1 at 9600,N,8,1."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") },
                                     QStringLiteral("Show the version and exit."));
    parser.addOptions({ help, version });
    for (const char *name : kToolkitValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : kToolkitFlagOptions) {
        QCommandLineOption option { QLatin1String(name) };
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = arguments.isEmpty() ? QStringLiteral("tiltbench")
                                                : QFileInfo(arguments.first()).fileName();
    const auto refuse = [&](const QString &error) {
        return Exit { kUsageError,
                      QStringLiteral("%1: %2\n").arg(program, error) + usage(parser, program) };
    };
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'; Tiltbench opens no files.")
                          .arg(parser.positionalArguments().first()));
    if (parser.isSet(help))
        return Exit { 0, usage(parser, program) };
    if (parser.isSet(version))
        return Exit { 0, AppInfo::title() + u' ' + AppInfo::versionText() + u'\n' };
    return Run {};
}

QStringList CommandLine::fromArgv(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}
