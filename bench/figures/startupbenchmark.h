#pragma once

#include "benchcontext.h"

// Start-up to the first painted frame, and the peak resident memory at that moment, of Tiltbench
// against a bare window with as many widgets of the same classes, each started as a process of its
// own, alternately, and offscreen. Prints the medians.
class StartupBenchmark
{
public:
    explicit StartupBenchmark(const BenchContext &context);

    // False when a run could not be made.
    bool run();

private:
    BenchContext m_context;
};
