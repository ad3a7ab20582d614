#include "procstatus.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

namespace {

QString procPath(qint64 pid, const QString &name)
{
    const QString process = pid == 0 ? QStringLiteral("self") : QString::number(pid);
    return QStringLiteral("/proc/%1/%2").arg(process, name);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The number after "<field>:" in a status file, or -1.
qint64 statusField(const QByteArray &status, const QByteArray &field)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field) && line.size() > field.size() && line[field.size()] == ':')
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace

namespace ProcStatus {

qint64 kibibytes(qint64 pid, const char *field)
{
    return statusField(readFile(procPath(pid, QStringLiteral("status"))), field);
}

qint64 contextSwitches(qint64 pid)
{
    // /proc/<pid>/status counts the main thread only; the threads each have their own.
    const QDir tasks(procPath(pid, QStringLiteral("task")));
    const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (threads.isEmpty())
        return -1;
    qint64 total = 0;
    for (const QString &thread : threads) {
        const QByteArray status = readFile(tasks.filePath(thread + QStringLiteral("/status")));
        const qint64 voluntary = statusField(status, "voluntary_ctxt_switches");
        const qint64 involuntary = statusField(status, "nonvoluntary_ctxt_switches");
        if (voluntary >= 0 && involuntary >= 0)
            total += voluntary + involuntary;
    }
    return total;
}

double cpuMilliseconds(qint64 pid)
{
    // The command name in parentheses may hold spaces; the fields after it are numbered from 3,
    // so utime (14) and stime (15) are the 12th and 13th after the closing parenthesis.
    const QByteArray stat = readFile(procPath(pid, QStringLiteral("stat")));
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const qint64 ticks = fields[11].toLongLong() + fields[12].toLongLong();
    return 1000.0 * double(ticks) / double(sysconf(_SC_CLK_TCK));
}

double runMilliseconds(qint64 pid)
{
    // Each thread's schedstat begins with the nanoseconds it has run.
    const QDir tasks(procPath(pid, QStringLiteral("task")));
    const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (threads.isEmpty())
        return -1;
    qint64 nanoseconds = 0;
    for (const QString &thread : threads) {
        const QByteArray schedstat
            = readFile(tasks.filePath(thread + QStringLiteral("/schedstat")));
        nanoseconds += schedstat.split(' ').value(0).toLongLong();
    }
    return double(nanoseconds) / 1e6;
}

bool resetPeak()
{
    // Writing 5 to clear_refs resets the peak resident set size (Linux 4.0 and later).
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace ProcStatus
