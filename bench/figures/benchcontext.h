#pragma once

#include <QString>

class PtyDevice;

// What every figure of a run shares.
struct BenchContext
{
    // Fewer repetitions, a shorter idle spell and a smaller flood: a smoke run.
    bool quick = false;
    // The device end of port 1 in the run's private port map; Tiltbench opens port 1.
    PtyDevice &device;
    // The figures-subject program.
    QString subjectProgram;
};
