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
    FigureTable::Figure startup {
        QStringLiteral("Start-up to first paint, ms (median of %1)").arg(runs),
        QStringLiteral("bare window, same widget classes"), 1
    };
    FigureTable::Figure cpu {
        QStringLiteral("Start-up CPU time to first paint, ms (median of %1)").arg(runs),
        startup.baseline, 1
    };
    FigureTable::Figure memory {
        QStringLiteral("Peak RSS at first paint, MiB (median of %1)").arg(runs), startup.baseline, 1
    };
    const auto fail = [&](const QString &reason) {
        FigureTable::printFailure(startup, reason);
        FigureTable::printFailure(cpu, reason);
        FigureTable::printFailure(memory, reason);
        return false;
    };

    // A first run loads the libraries into the page cache for both sides and tells the widgets
    // that the bare window is to have.
    SubjectProcess warmUp(m_context.subjectProgram);
    if (!warmUp.start({ QStringLiteral("tiltbench") }))
        return fail(warmUp.errorString());
    warmUp.finish();
    const QStringList tiltbench { QStringLiteral("tiltbench") };
    const QStringList bare { QStringLiteral("bare"), warmUp.widgetKinds() };

    QList<double> startupMs[2];
    QList<double> cpuMs[2];
    QList<double> peakMiB[2];
    int widgets[2] = {};
    for (int i = 0; i < runs; ++i) {
        int side = 0;
        for (const QStringList &arguments : { tiltbench, bare }) {
            SubjectProcess subject(m_context.subjectProgram);
            if (!subject.start(arguments))
                return fail(subject.errorString());
            const qint64 peak = ProcStatus::kibibytes(subject.pid(), "VmHWM");
            const double run = ProcStatus::runMilliseconds(subject.pid());
            subject.finish();
            if (peak < 0 || run < 0)
                return fail(QStringLiteral("the subject's /proc entries could not be read"));
            startupMs[side].append(subject.startupMs());
            cpuMs[side].append(run);
            peakMiB[side].append(double(peak) / 1024);
            widgets[side] = subject.widgets();
            ++side;
        }
    }
    startup.baseline = widgets[0] == widgets[1]
        ? QStringLiteral("bare window: %1 widgets of the same classes").arg(widgets[1])
        : QStringLiteral("bare window: %1 widgets (Tiltbench's has %2)")
              .arg(widgets[1])
              .arg(widgets[0]);
    cpu.baseline = startup.baseline;
    memory.baseline = startup.baseline;
    FigureTable::printRow(startup, Statistics::median(startupMs[0]),
                          Statistics::median(startupMs[1]));
    FigureTable::printRow(cpu, Statistics::median(cpuMs[0]), Statistics::median(cpuMs[1]));
    FigureTable::printRow(memory, Statistics::median(peakMiB[0]), Statistics::median(peakMiB[1]));
    return true;
}
