#include "idlebenchmark.h"

#include "figuretable.h"
#include "procstatus.h"
#include "ptydevice.h"
#include "subjectprocess.h"

#include <QEventLoop>
#include <QTimer>

IdleBenchmark::IdleBenchmark(const BenchContext &context)
    : m_context(context)
    , m_seconds(context.quick ? 1 : 5)
{
}

bool IdleBenchmark::run()
{
    const QString baseline = QStringLiteral("baseline: bare window with QSerialPort open");
    const QString switches = QStringLiteral("Idle context switches in %1 s, port open (%2)")
                                 .arg(m_seconds)
                                 .arg(baseline);
    const QString cpu
        = QStringLiteral("Idle CPU time in %1 s, ms, port open (%2)").arg(m_seconds).arg(baseline);

    Spell tiltbench;
    Spell bare;
    int widgets = 0;
    QString error;
    if (!idle({ QStringLiteral("tiltbench") }, &tiltbench, &widgets, &error)
        || !idle({ QStringLiteral("bare"), QString::number(widgets), m_context.device.slavePath() },
                 &bare, &widgets, &error)) {
        FigureTable::printFailure(switches, error);
        FigureTable::printFailure(cpu, error);
        return false;
    }
    FigureTable::printRow(switches, double(tiltbench.switches), double(bare.switches), 0);
    FigureTable::printRow(cpu, tiltbench.cpuMs, bare.cpuMs, 0);
    return true;
}

bool IdleBenchmark::idle(const QStringList &arguments, Spell *spell, int *widgets, QString *error)
{
    SubjectProcess subject(m_context.subjectProgram);
    if (!subject.start(arguments)) {
        *error = subject.errorString();
        return false;
    }
    *widgets = subject.widgets();
    const qint64 switchesBefore = ProcStatus::contextSwitches(subject.pid());
    const double cpuBefore = ProcStatus::cpuMilliseconds(subject.pid());

    QEventLoop spellOver;
    QTimer::singleShot(m_seconds * 1000, &spellOver, &QEventLoop::quit);
    spellOver.exec();

    const qint64 switchesAfter = ProcStatus::contextSwitches(subject.pid());
    const double cpuAfter = ProcStatus::cpuMilliseconds(subject.pid());
    subject.finish();
    if (switchesBefore < 0 || switchesAfter < 0 || cpuBefore < 0 || cpuAfter < 0) {
        *error = QStringLiteral("the subject's /proc entries could not be read");
        return false;
    }
    spell->switches = switchesAfter - switchesBefore;
    spell->cpuMs = cpuAfter - cpuBefore;
    return true;
}
