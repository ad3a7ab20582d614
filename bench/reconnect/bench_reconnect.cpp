// What the serial port costs while nothing happens, with the port open and while it waits for a
// missing device, and how long it takes to come back once the device is there again.
//
// Wake-ups are the main thread's voluntary context switches: each is the event loop leaving its
// sleep. The period ends with one posted event from another thread, which is not counted.

#include "portmap.h"
#include "portmapwriter.h"
#include "pseudoterminal.h"
#include "qtserialport.h"
#include "reconnectwatcher.h"
#include "temporaryportmap.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

constexpr int kIdleSeconds = 5;
constexpr int kRounds = 20;

struct Idle
{
    long wakeUps = 0;
    double cpuMs = 0;
};

double cpuMs(const rusage &usage)
{
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Runs the event loop for the idle period with nothing else to do.
Idle idleFor(int seconds)
{
    QEventLoop loop;
    std::thread ender([&loop, seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Whatever was already posted runs before the measurement starts.
    QCoreApplication::processEvents();
    rusage threadBefore {}, processBefore {};
    getrusage(RUSAGE_THREAD, &threadBefore);
    getrusage(RUSAGE_SELF, &processBefore);
    loop.exec();
    rusage threadAfter {}, processAfter {};
    getrusage(RUSAGE_THREAD, &threadAfter);
    getrusage(RUSAGE_SELF, &processAfter);
    ender.join();
    return { threadAfter.ru_nvcsw - threadBefore.ru_nvcsw - 1,
             cpuMs(processAfter) - cpuMs(processBefore) };
}

void row(const char *what, const char *value, const char *target)
{
    std::printf("| %-50s | %14s | %-16s |\n", what, value, target);
}

void idleRows(const char *state, const Idle &idle, const char *wakeTarget)
{
    char what[128], value[32];
    std::snprintf(what, sizeof what, "%s: wake-ups in %d s", state, kIdleSeconds);
    std::snprintf(value, sizeof value, "%ld", idle.wakeUps);
    row(what, value, wakeTarget);
    std::snprintf(what, sizeof what, "%s: CPU in %d s", state, kIdleSeconds);
    std::snprintf(value, sizeof value, "%.2f ms", idle.cpuMs);
    row(what, value, "< 20 ms");
}

constexpr int kChanges = 2000;

// CPU for kChanges files made and removed in the folder, each change followed by a turn of the
// event loop.
double changesCost(const QString &folder)
{
    rusage before {}, after {};
    getrusage(RUSAGE_SELF, &before);
    for (int i = 0; i < kChanges; ++i) {
        // Made and removed again, so every run sees the same changes.
        const QString name = folder + QStringLiteral("/ttyOTHER%1").arg(i);
        QFile(name).open(QIODevice::WriteOnly);
        QCoreApplication::processEvents();
        QFile::remove(name);
        QCoreApplication::processEvents();
    }
    getrusage(RUSAGE_SELF, &after);
    return cpuMs(after) - cpuMs(before);
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    // Sleeps until something happens; the timer only bounds the wait.
    QTimer tick;
    tick.start(100);
    QEventLoop loop;
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Microseconds from the device's return to the port open, over kRounds unplugs. The device comes
// back as a new terminal behind a re-pointed link, or (stableName) behind a stable name in a
// folder of its own that goes and comes with it, as udev's /dev/serial/by-id/ names do. Every
// terminal is made before the previous one goes, so no other program's terminal can take its
// number and be opened in its place.
std::vector<double> reconnectTimes(bool stableName, const QString &folder)
{
    std::vector<double> times;
    QtSerialPort port;
    auto device = std::make_unique<PseudoTerminal>();
    const QString byId = folder + QStringLiteral("/usb-Adapter-if00");
    if (!device->isValid() || (stableName && !QFile::link(device->slavePath(), byId))
        || PortMapWriter::setDevice(1, stableName ? byId : device->slavePath()).outcome
            == PortMapWriter::Outcome::Failed
        || port.setPortOpen(true))
        return times;
    ReconnectWatcher watcher(port);
    for (int round = 0; round < kRounds; ++round) {
        auto next = std::make_unique<PseudoTerminal>();
        device->closeMaster();
        if (stableName)
            QFile::remove(byId);
        if (!waitFor([&] { return watcher.isWaiting(); }, 5000))
            return {};

        QElapsedTimer timer;
        double elapsed = -1;
        const QMetaObject::Connection connection
            = QObject::connect(&watcher, &ReconnectWatcher::reconnected,
                               [&] { elapsed = timer.nsecsElapsed() / 1e3; });
        timer.start();
        if (stableName)
            QFile::link(next->slavePath(), byId);
        else
            PortMapWriter::setDevice(1, next->slavePath());
        const bool back = waitFor([&] { return elapsed >= 0; }, 5000);
        QObject::disconnect(connection);
        if (!back)
            return {};
        times.push_back(elapsed);
        device = std::move(next);
    }
    return times;
}

void timeRows(const char *how, std::vector<double> times)
{
    char what[128], value[32];
    if (times.empty()) {
        std::snprintf(what, sizeof what, "reconnect, %s", how);
        row(what, "failed", "< 1 s");
        return;
    }
    std::sort(times.begin(), times.end());
    std::snprintf(what, sizeof what, "reconnect, %s: median of %zu", how, times.size());
    std::snprintf(value, sizeof value, "%.2f ms", times[times.size() / 2] / 1e3);
    row(what, value, "< 1 s");
    std::snprintf(what, sizeof what, "reconnect, %s: slowest", how);
    std::snprintf(value, sizeof value, "%.2f ms", times.back() / 1e3);
    row(what, value, "< 1 s");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TemporaryPortMap map;
    if (!map.isValid()) {
        std::fprintf(stderr, "bench_reconnect: no temporary folder\n");
        return 1;
    }
    std::printf("| %-50s | %14s | %-16s |\n", "reconnect", "measured", "target");
    std::printf("|%s|%s|%s|\n", std::string(52, '-').c_str(), std::string(16, '-').c_str(),
                std::string(18, '-').c_str());

    {
        PseudoTerminal device;
        QtSerialPort port;
        port.setRThreshold(1);
        if (!device.isValid() || !map.link(1, device.slavePath()) || port.setPortOpen(true)) {
            std::fprintf(stderr, "bench_reconnect: the port did not open\n");
            return 1;
        }
        ReconnectWatcher watcher(port);
        // One unplug and return first, so that whatever the wait left behind is measured too.
        PseudoTerminal next;
        device.closeMaster();
        if (!waitFor([&] { return watcher.isWaiting(); }, 5000)
            || PortMapWriter::setDevice(1, next.slavePath()).outcome
                != PortMapWriter::Outcome::Linked
            || !waitFor([&] { return port.PortOpen(); }, 5000)) {
            std::fprintf(stderr, "bench_reconnect: the port did not come back\n");
            return 1;
        }
        idleRows("port open, after a reconnect", idleFor(kIdleSeconds), "0");
    }
    {
        // A device in a folder of its own, which nothing else touches: what the wait itself costs.
        QTemporaryDir devices;
        QtSerialPort port;
        PortMapWriter::setDevice(1, devices.filePath(QStringLiteral("ttyGONE")));
        (void)port.setPortOpen(true);
        ReconnectWatcher watcher(port);
        if (!devices.isValid() || !watcher.isWaiting()) {
            std::fprintf(stderr, "bench_reconnect: the port is not waiting for its device\n");
            return 1;
        }
        idleRows("waiting, device's folder quiet", idleFor(kIdleSeconds), "0");

        // Each change in the folder makes the watcher look for the device once; the same changes
        // in a folder nobody watches give what making them costs.
        QTemporaryDir unwatched;
        // The least of three runs each, as other programs on the machine only ever add.
        double watchedMs = 1e9, unwatchedMs = 1e9;
        for (int run = 0; run < 3; ++run) {
            watchedMs = std::min(watchedMs, changesCost(devices.path()));
            unwatchedMs = std::min(unwatchedMs, changesCost(unwatched.path()));
        }
        char value[32];
        std::snprintf(value, sizeof value, "%.1f us",
                      (watchedMs - unwatchedMs) * 1e3 / (2 * kChanges));
        row("waiting: CPU per change in the folder", value, "-");
    }
    {
        // A terminal that never comes (terminals have numbers for names), in /dev/pts: that folder
        // changes whenever any program opens or closes a terminal, so on a busy machine this wait
        // is woken by others.
        QtSerialPort port;
        PortMapWriter::setDevice(1, QStringLiteral("/dev/pts/tiltbench-bench"));
        (void)port.setPortOpen(true);
        ReconnectWatcher watcher(port);
        if (!watcher.isWaiting()) {
            std::fprintf(stderr, "bench_reconnect: the port is not waiting for its device\n");
            return 1;
        }
        idleRows("waiting, device in /dev/pts", idleFor(kIdleSeconds), "-");
    }
    QTemporaryDir byId;
    timeRows("link re-pointed", reconnectTimes(false, byId.path()));
    timeRows("stable name back", reconnectTimes(true, byId.path()));
    return 0;
}
