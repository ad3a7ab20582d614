#include "startupbenchmark.h"

#include "figuretable.h"
#include "procstatus.h"
#include "statistics.h"
#include "subjectprocess.h"

StartupBenchmark::StartupBenchmark(const BenchContext &context)
    : m_context(context)
{
}

bool StartupBenchmark::run()
{
    const int runs = m_context.quick ? 3 : 7;
    // The figures' names say the widget count once it is known.
    QString bareWindow = QStringLiteral("bare window, same widget count");
    const auto startup = [&] {
        return QStringLiteral("Start-up to first paint, ms (median of %1; baseline: %2)")
            .arg(runs)
            .arg(bareWindow);
    };
    const auto memory = [&] {
        return QStringLiteral("Peak RSS at first paint, MiB (median of %1; baseline: %2)")
            .arg(runs)
            .arg(bareWindow);
    };
    const auto fail = [&](const QString &reason) {
        FigureTable::printFailure(startup(), reason);
        FigureTable::printFailure(memory(), reason);
        return false;
    };

    // A first run loads the libraries into the page cache for both sides and counts the widgets
    // that the bare window is to have.
    SubjectProcess warmUp(m_context.subjectProgram);
    if (!warmUp.start({ QStringLiteral("tiltbench") }))
        return fail(warmUp.errorString());
    const int widgets = warmUp.widgets();
    warmUp.finish();
    bareWindow = QStringLiteral("bare window of %1 widgets").arg(widgets);
    const QStringList bare { QStringLiteral("bare"), QString::number(widgets) };

    QList<double> startupMs[2];
    QList<double> peakMiB[2];
    for (int i = 0; i < runs; ++i) {
        int side = 0;
        for (const QStringList &arguments : { QStringList { QStringLiteral("tiltbench") }, bare }) {
            SubjectProcess subject(m_context.subjectProgram);
            if (!subject.start(arguments))
                return fail(subject.errorString());
            const qint64 peak = ProcStatus::kibibytes(subject.pid(), "VmHWM");
            subject.finish();
            if (peak < 0)
                return fail(QStringLiteral("no VmHWM in /proc"));
            startupMs[side].append(subject.startupMs());
            peakMiB[side].append(double(peak) / 1024);
            ++side;
        }
    }
    FigureTable::printRow(startup(), Statistics::median(startupMs[0]),
                          Statistics::median(startupMs[1]), 1);
    FigureTable::printRow(memory(), Statistics::median(peakMiB[0]), Statistics::median(peakMiB[1]),
                          1);
    return true;
}
