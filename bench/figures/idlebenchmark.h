#pragma once

#include "benchcontext.h"

#include <QStringList>

// What a running program costs while nobody uses it: its context switches (each a wake-up) and
// its CPU time over a spell of seconds with the port open on a pseudo-terminal, Tiltbench against
// a bare window with a plain QSerialPort open on the same device.
class IdleBenchmark
{
public:
    explicit IdleBenchmark(const BenchContext &context);

    // False when a run could not be made.
    bool run();

private:
    struct Spell
    {
        qint64 switches = 0;
        double cpuMs = 0;
    };

    // Starts the subject, lets it idle for the spell, and says what it cost and which widgets it
    // showed; false with *error.
    bool idle(const QStringList &arguments, Spell *spell, QString *kinds, QString *error);

    BenchContext m_context;
    int m_seconds;
};
