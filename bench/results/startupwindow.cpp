// Start-up of a window program, shut down as soon as its first window is on the screen, for
// bench_startup. Built three times: a bare Qt window (the yardstick), Tiltbench as it starts, and
// Tiltbench with Qt Charts linked in. Prints its peak resident set size in KiB and the processor
// time it used in milliseconds on exit.
#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

#ifdef STARTUP_TILTBENCH
#include "appinfo.h"
#include "messageboxes.h"
#include "programservices.h"
#include "windowmanager.h"

// A box at start-up (port 1 missing) is answered at once; the bench has no one to close it.
class AnsweringBoxes : public MessageBoxes
{
public:
    Answer show(QWidget *, Icon, Buttons, const QString &, const QString &) override
    {
        return Answer::Ok;
    }
};
#else
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#endif

#ifdef STARTUP_WITH_CHARTS
#include <QChart>
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
#ifdef STARTUP_WITH_CHARTS
    // Touches the library so that the linker keeps it, without building a chart.
    volatile auto metaObject = &QChart::staticMetaObject;
    (void)metaObject;
#endif
#ifdef STARTUP_TILTBENCH
    QApplication::setApplicationName(AppInfo::title());
    AnsweringBoxes messageBoxes;
    ProgramServices program(&messageBoxes);
    WindowManager windows(program.services());
    windows.start();
#else
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.show();
#endif
    QTimer::singleShot(0, &app, &QApplication::quit);
    const int code = app.exec();
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval &t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    std::printf("%ld %.3f\n", usage.ru_maxrss, ms(usage.ru_utime) + ms(usage.ru_stime));
    return code;
}
