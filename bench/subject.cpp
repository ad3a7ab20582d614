// The program the start-up and idle figures watch from outside, started anew for every run:
//
//   figures-subject tiltbench          Tiltbench's main window on port 1, started as main() does
//   figures-subject bare N [DEVICE]    a bare window of N widgets in all, with a plain QSerialPort
//                                      open on DEVICE when one is given
//
// Once the window's first frame has been painted it prints "painted <ns> <widgets>" on standard
// output (the steady clock, which every process shares, and the number of widgets in the window),
// then idles in its event loop until its standard input closes.

#include "appinfo.h"
#include "frmmotorcontrol.h"
#include "qtserialport.h"
#include "recordingmessageboxes.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

// Reports the first frame of the first window to be painted. Paint events reach the window before
// its children, so the report waits for the rest of that frame: the next turn of the event loop.
class FirstFrameReporter : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow()) {
            m_seen = true;
            auto *window = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, this, [window] { report(window); });
        }
        return false;
    }

private:
    static void report(QWidget *window)
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        const qsizetype widgets = 1 + window->findChildren<QWidget *>().size();
        std::printf("painted %lld %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    static_cast<long long>(widgets));
        std::fflush(stdout);
    }

    bool m_seen = false;
};

std::unique_ptr<QWidget> bareWindow(int widgets)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Bare window"));
    constexpr int kColumns = 6;
    constexpr int kWidth = 64;
    constexpr int kHeight = 24;
    for (int i = 0; i < widgets - 1; ++i) {
        auto *button = new QPushButton(QStringLiteral("Widget %1").arg(i + 1), window.get());
        button->setGeometry(8 + i % kColumns * (kWidth + 4), 8 + i / kColumns * (kHeight + 4),
                            kWidth, kHeight);
    }
    window->setFixedSize(8 + kColumns * (kWidth + 4), 8 + (widgets / kColumns + 1) * (kHeight + 4));
    return window;
}

int usage()
{
    std::fputs("usage: figures-subject tiltbench | bare WIDGETS [DEVICE]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return usage();

    FirstFrameReporter reporter;
    app.installEventFilter(&reporter);

    // Either side: the window and what it has open. Destroyed window first, port after.
    std::unique_ptr<QtSerialPort> tiltbenchPort;
    std::unique_ptr<QSerialPort> barePort;
    RecordingMessageBoxes boxes;
    std::unique_ptr<QWidget> window;

    if (arguments[0] == QLatin1String("tiltbench") && arguments.size() == 1) {
        // As main() starts the program, less the services the main window does not take.
        QApplication::setApplicationName(AppInfo::title());
        QApplication::setOrganizationName(AppInfo::title());
        QApplication::setApplicationVersion(AppInfo::versionText());
        QApplication::setWindowIcon(AppInfo::windowIcon());
        tiltbenchPort = std::make_unique<QtSerialPort>();
        window = std::make_unique<frmMotorControl>(*tiltbenchPort, boxes);
        if (!boxes.texts().isEmpty()) {
            std::fprintf(stderr, "figures-subject: %s\n", qPrintable(boxes.texts().join('\n')));
            return 1;
        }
    } else if (arguments[0] == QLatin1String("bare") && arguments.size() <= 3) {
        bool ok = false;
        const int widgets = arguments.value(1).toInt(&ok);
        if (!ok || widgets < 1)
            return usage();
        window = bareWindow(widgets);
        if (arguments.size() == 3) {
            barePort = std::make_unique<QSerialPort>(arguments[2]);
            if (!barePort->open(QIODevice::ReadWrite)) {
                std::fprintf(stderr, "figures-subject: %s: %s\n", qPrintable(arguments[2]),
                             qPrintable(barePort->errorString()));
                return 1;
            }
            QObject::connect(barePort.get(), &QSerialPort::readyRead, barePort.get(),
                             [&barePort] { barePort->readAll(); });
        }
    } else {
        return usage();
    }

    // Ends when the benchmark closes our standard input.
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });

    window->show();
    return app.exec();
}
