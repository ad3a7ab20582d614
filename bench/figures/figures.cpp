// Tiltbench's own benchmark figures, each against a baseline measured in the same run, printed as
// rows of the benchmark table (scripts/bench prints its header):
//
//   tiltbench-figures [--quick]
//
// Everything runs offscreen, in a private port map whose port 1 is a pseudo-terminal played by
// this program. --quick makes a smoke run: fewer repetitions, a shorter idle spell, a smaller
// flood. The exit status says whether every figure could be measured, never what it was.

#include "benchcontext.h"
#include "clickbenchmark.h"
#include "floodbenchmark.h"
#include "idlebenchmark.h"
#include "portmap.h"
#include "ptydevice.h"
#include "startupbenchmark.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The subjects inherit both: no display is needed, and the user's own port map is untouched.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    QApplication app(argc, argv);
    const bool quick = app.arguments().contains(QLatin1String("--quick"));

    PtyDevice device;
    if (!config.isValid() || !device.isValid()) {
        std::fprintf(stderr, "tiltbench-figures: no pseudo-terminal or temporary folder: %s\n",
                     qPrintable(device.errorString()));
        return 1;
    }
    if (!QDir().mkpath(PortMap::linkDirectory())
        || !QFile::link(device.slavePath(), PortMap::linkPath(1))) {
        std::fprintf(stderr, "tiltbench-figures: cannot link port 1 to %s\n",
                     qPrintable(device.slavePath()));
        return 1;
    }

    const BenchContext context {
        quick, device, QCoreApplication::applicationDirPath() + QStringLiteral("/figures-subject")
    };
    // Every figure is measured even when one before it could not be.
    bool measured = StartupBenchmark(context).run();
    measured = ClickBenchmark(context).run() && measured;
    measured = IdleBenchmark(context).run() && measured;
    measured = FloodBenchmark(context).run() && measured;
    return measured ? 0 : 1;
}
