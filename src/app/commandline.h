#pragma once

#include <QString>
#include <QStringList>

#include <variant>

// The program's command line: --help and --version, or nothing. It is read before the application
// object exists, so that both answer on a terminal without a display; the toolkit's own options
// (-platform, -style, -session, ...) are let through for the application object to take.
class CommandLine
{
public:
    // Start the windows as usual.
    struct Run
    {
    };
    // End at once with `status`: the text goes to standard output when the status is 0 (help,
    // version), to standard error otherwise.
    struct Exit
    {
        int status = 0;
        QString text;
    };
    using Outcome = std::variant<Run, Exit>;

    // The status of a command line that cannot be used, as for most command-line programs.
    static constexpr int kUsageError = 2;

    // `arguments` starts with the program's path, as argv does.
    static Outcome parse(const QStringList &arguments);
    static QStringList fromArgv(int argc, const char *const *argv);
};
