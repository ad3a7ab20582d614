#include "clickbenchmark.h"

#include "figuretable.h"
#include "ptydevice.h"
#include "stationonport.h"
#include "statistics.h"

#include <QPushButton>
#include <QSerialPort>
#include <QTest>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kCommandsPerMove = 6;
constexpr int kTimeoutMs = 5000;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

ClickBenchmark::ClickBenchmark(const BenchContext &context)
    : m_context(context)
    , m_moves(context.quick ? 10 : 50)
{
}

bool ClickBenchmark::run()
{
    const QString baseline = QStringLiteral("six QSerialPort::write calls of the same commands");
    const FigureTable::Figure median {
        QStringLiteral("Click on Up to last byte at the device, ms (median of %1)").arg(m_moves),
        baseline, 3
    };
    const FigureTable::Figure p90 {
        QStringLiteral("Click on Up to last byte at the device, ms (p90 of %1)").arg(m_moves),
        baseline, 3
    };

    QList<double> clicks;
    QList<double> writes;
    QList<QByteArray> commands;
    QString error;
    if (!clickUp(&clicks, &commands, &error) || !writeRaw(commands, &writes, &error)) {
        FigureTable::printFailure(median, error);
        FigureTable::printFailure(p90, error);
        return false;
    }
    FigureTable::printRow(median, Statistics::median(clicks), Statistics::median(writes));
    FigureTable::printRow(p90, Statistics::percentile(clicks, 90),
                          Statistics::percentile(writes, 90));
    return true;
}

bool ClickBenchmark::clickUp(QList<double> *ms, QList<QByteArray> *commands, QString *error)
{
    StationOnPort station;
    if (!station.show(error))
        return false;
    auto *btnUp = station.window().findChild<QPushButton *>(QStringLiteral("btnUp"));
    if (!btnUp) {
        *error = QStringLiteral("the main window has no btnUp");
        return false;
    }
    for (int move = 0; move < m_moves; ++move) {
        const Clock::time_point start = Clock::now();
        QTest::mouseClick(btnUp, Qt::LeftButton);
        const QByteArray received = m_context.device.readCommands(kCommandsPerMove, kTimeoutMs);
        ms->append(msSince(start));
        if (received.count('\r') != kCommandsPerMove) {
            *error = QStringLiteral("after a click on Up the device received \"%1\"")
                         .arg(QString::fromLatin1(received.toPercentEncoding()));
            return false;
        }
        if (move == 0) {
            for (const QByteArray &command : received.split('\r').first(kCommandsPerMove))
                commands->append(command + '\r');
        }
    }
    return true;
}

bool ClickBenchmark::writeRaw(const QList<QByteArray> &commands, QList<double> *ms, QString *error)
{
    QSerialPort serial(m_context.device.slavePath());
    if (!serial.open(QIODevice::ReadWrite)) {
        *error = serial.errorString();
        return false;
    }
    for (int move = 0; move < m_moves; ++move) {
        const Clock::time_point start = Clock::now();
        for (const QByteArray &command : commands)
            serial.write(command);
        const QByteArray received = m_context.device.readCommands(kCommandsPerMove, kTimeoutMs);
        ms->append(msSince(start));
        if (received.count('\r') != kCommandsPerMove) {
            *error = QStringLiteral("after six writes the device received \"%1\"")
                         .arg(QString::fromLatin1(received.toPercentEncoding()));
            return false;
        }
    }
    return true;
}
