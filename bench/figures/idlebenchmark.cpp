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
    const QString baseline = QStringLiteral("bare window, QSerialPort open on the same device");
    const FigureTable::Figure switches {
        QStringLiteral("Idle context switches in %1 s, port open").arg(m_seconds), baseline, 0
    };
    const FigureTable::Figure cpu {
        QStringLiteral("Idle CPU time in %1 s, ms, port open").arg(m_seconds), baseline, 0
    };

    Spell tiltbench;
    Spell bare;
    QString kinds;
    QString error;
    if (!idle({ QStringLiteral("tiltbench") }, &tiltbench, &kinds, &error)
        || !idle({ QStringLiteral("bare"), kinds, m_context.device.slavePath() }, &bare, &kinds,
                 &error)) {
        FigureTable::printFailure(switches, error);
        FigureTable::printFailure(cpu, error);
        return false;
    }
    FigureTable::printRow(switches, double(tiltbench.switches), double(bare.switches));
    FigureTable::printRow(cpu, tiltbench.cpuMs, bare.cpuMs);
    return true;
}

bool IdleBenchmark::idle(const QStringList &arguments, Spell *spell, QString *kinds, QString *error)
{
    SubjectProcess subject(m_context.subjectProgram);
    if (!subject.start(arguments)) {
        *error = subject.errorString();
        return false;
    }
    *kinds = subject.widgetKinds();
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
