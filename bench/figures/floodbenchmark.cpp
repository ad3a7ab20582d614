#include "floodbenchmark.h"

#include "figuretable.h"
#include "procstatus.h"
#include "ptydevice.h"
#include "stationonport.h"
#include "statistics.h"

#include <QSerialPort>

namespace {

constexpr int kTimeoutMs = 60000;

} // namespace

FloodBenchmark::FloodBenchmark(const BenchContext &context)
    : m_context(context)
    , m_bytes(qint64(context.quick ? 1 : 8) * 1024 * 1024)
{
}

bool FloodBenchmark::run()
{
    const int runs = m_context.quick ? 1 : 3;
    const QString flood = QStringLiteral("Receive flood of %1 MiB").arg(m_bytes / (1024 * 1024));
    const QString baseline = QStringLiteral("QSerialPort, readAll() on every readyRead");
    const FigureTable::Figure time {
        QStringLiteral("%1: drain time, ms (median of %2)").arg(flood).arg(runs), baseline, 1
    };
    const FigureTable::Figure rate {
        QStringLiteral("%1: drain rate, MB/s (median of %2)").arg(flood).arg(runs), baseline, 0
    };
    const FigureTable::Figure growth {
        QStringLiteral("%1: RSS growth, MiB (median of %2)").arg(flood).arg(runs), baseline, 2
    };

    // Each side's runs: drain time and growth.
    QList<double> ms[2];
    QList<double> growthMiB[2];
    QString error;
    bool ok = true;
    for (int i = 0; ok && i < runs; ++i) {
        Drain tiltbench;
        Drain raw;
        {
            StationOnPort station;
            ok = station.show(&error) && this->flood(&tiltbench, &error);
        }
        if (ok) {
            QSerialPort serial(m_context.device.slavePath());
            QObject::connect(&serial, &QSerialPort::readyRead, &serial,
                             [&serial] { serial.readAll(); });
            ok = serial.open(QIODevice::ReadWrite);
            if (!ok)
                error = serial.errorString();
            else
                ok = this->flood(&raw, &error);
        }
        ms[0].append(tiltbench.ms);
        ms[1].append(raw.ms);
        growthMiB[0].append(tiltbench.growthMiB);
        growthMiB[1].append(raw.growthMiB);
    }
    if (!ok) {
        for (const FigureTable::Figure &figure : { time, rate, growth })
            FigureTable::printFailure(figure, error);
        return false;
    }
    const double tiltbenchMs = Statistics::median(ms[0]);
    const double rawMs = Statistics::median(ms[1]);
    const auto megabytesPerSecond
        = [this](double drainMs) { return double(m_bytes) / 1e6 / (drainMs / 1000); };
    FigureTable::printRow(time, tiltbenchMs, rawMs);
    FigureTable::printRow(rate, megabytesPerSecond(tiltbenchMs), megabytesPerSecond(rawMs));
    FigureTable::printRow(growth, Statistics::median(growthMiB[0]),
                          Statistics::median(growthMiB[1]));
    return true;
}

bool FloodBenchmark::flood(Drain *drain, QString *error)
{
    // The peak since now is the flood's; where it cannot be reset, what is resident afterwards.
    const bool peakReset = ProcStatus::resetPeak();
    const qint64 before = ProcStatus::kibibytes(0, "VmRSS");
    const PtyDevice::Flood flood = m_context.device.flood(m_bytes, kTimeoutMs);
    const qint64 after = ProcStatus::kibibytes(0, peakReset ? "VmHWM" : "VmRSS");
    if (flood.bytesTaken < m_bytes) {
        *error = QStringLiteral("the port took only %1 of %2 bytes")
                     .arg(flood.bytesTaken)
                     .arg(m_bytes);
        return false;
    }
    if (!flood.drained) {
        *error = QStringLiteral("the last bytes of the flood were never read");
        return false;
    }
    drain->ms = std::chrono::duration<double, std::milli>(flood.drainTime).count();
    drain->growthMiB = double(after - before) / 1024;
    return true;
}
