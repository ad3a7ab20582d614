// The program the start-up and idle figures watch from outside, started anew for every run.
//
//   figures-subject tiltbench
//       Tiltbench on port 1, started as main() starts it, with message boxes that answer
//       themselves.
//   figures-subject bare KINDS [DEVICE]
//       A bare window holding one plain widget of each kind in KINDS, with a plain QSerialPort
//       open on DEVICE when one is given.
//
// Once the window's first frame has been painted it prints "painted <ns> <kinds>" on standard
// output: the steady clock, which every process shares, and the kinds of the window's widgets (the
// window left out), comma-separated class names with "~" before those hidden. Then it idles in its
// event loop until its standard input closes.

#include "appinfo.h"
#include "programservices.h"
#include "recordingmessageboxes.h"
#include "windowmanager.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSerialPort>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

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
        QStringList kinds;
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            const QString kind = QString::fromLatin1(widget->metaObject()->className());
            kinds.append(widget->isVisible() ? kind : QLatin1Char('~') + kind);
        }
        std::printf("painted %lld %s\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                    qPrintable(kinds.join(QLatin1Char(','))));
        std::fflush(stdout);
    }

    bool m_seen = false;
};

// A plain widget of the Qt class `kind`, with no widgets of its own. Other classes, Qt's private
// ones and a menu bar (which makes a button of its own), become plain QWidgets.
QWidget *plainWidget(const QString &kind, QWidget *parent)
{
    const QString text = QStringLiteral("Widget");
    if (kind == QLatin1String("QLabel"))
        return new QLabel(text, parent);
    if (kind == QLatin1String("QPushButton"))
        return new QPushButton(text, parent);
    if (kind == QLatin1String("QRadioButton"))
        return new QRadioButton(text, parent);
    if (kind == QLatin1String("QCheckBox"))
        return new QCheckBox(text, parent);
    if (kind == QLatin1String("QToolButton"))
        return new QToolButton(parent);
    if (kind == QLatin1String("QGroupBox"))
        return new QGroupBox(text, parent);
    if (kind == QLatin1String("QScrollBar"))
        return new QScrollBar(Qt::Horizontal, parent);
    if (kind == QLatin1String("QLineEdit"))
        return new QLineEdit(text, parent);
    if (kind == QLatin1String("QMenu"))
        return new QMenu(text, parent);
    if (kind == QLatin1String("QComboBox")) {
        auto *comboBox = new QComboBox(parent); // not editable: no line edit of its own
        comboBox->addItem(text);
        return comboBox;
    }
    if (kind == QLatin1String("QStatusBar")) {
        auto *statusBar = new QStatusBar(parent);
        statusBar->setSizeGripEnabled(false);
        return statusBar;
    }
    return new QWidget(parent);
}

// The baseline: a window with as many widgets of the same kinds, each made and placed plainly.
std::unique_ptr<QWidget> bareWindow(const QStringList &kinds)
{
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Bare window"));
    constexpr int kColumns = 6;
    constexpr int kWidth = 64;
    constexpr int kHeight = 24;
    int placed = 0;
    for (const QString &kind : kinds) {
        const bool hidden = kind.startsWith(QLatin1Char('~'));
        QWidget *widget = plainWidget(hidden ? kind.mid(1) : kind, window.get());
        if (hidden) {
            widget->hide();
            continue;
        }
        widget->setGeometry(8 + placed % kColumns * (kWidth + 4),
                            8 + placed / kColumns * (kHeight + 4), kWidth, kHeight);
        ++placed;
    }
    window->setFixedSize(8 + kColumns * (kWidth + 4), 8 + (placed / kColumns + 1) * (kHeight + 4));
    return window;
}

int usage()
{
    std::fputs("usage: figures-subject tiltbench | bare KINDS [DEVICE]\n", stderr);
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

    // Either side: the windows and what they have open. Destroyed windows first, ports after.
    RecordingMessageBoxes boxes;
    std::unique_ptr<ProgramServices> program;
    std::unique_ptr<QSerialPort> barePort;
    std::unique_ptr<WindowManager> windows;
    std::unique_ptr<QWidget> window;

    if (arguments[0] == QLatin1String("tiltbench") && arguments.size() == 1) {
        // As main() starts the program.
        QApplication::setApplicationName(AppInfo::title());
        QApplication::setOrganizationName(AppInfo::title());
        QApplication::setApplicationVersion(AppInfo::versionText());
        QApplication::setWindowIcon(AppInfo::windowIcon());
        QApplication::setDesktopFileName(QStringLiteral(TILTBENCH_APP_ID));
        program = std::make_unique<ProgramServices>(&boxes);
        windows = std::make_unique<WindowManager>(program->services());
        if (!boxes.texts().isEmpty()) {
            std::fprintf(stderr, "figures-subject: %s\n", qPrintable(boxes.texts().join('\n')));
            return 1;
        }
    } else if (arguments[0] == QLatin1String("bare") && arguments.size() >= 2
               && arguments.size() <= 3) {
        window = bareWindow(arguments[1].split(QLatin1Char(','), Qt::SkipEmptyParts));
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

    if (windows)
        windows->start();
    else
        window->show();
    return app.exec();
}
