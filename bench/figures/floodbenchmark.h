#pragma once

#include "benchcontext.h"

#include <QtGlobal>

// A flood of received bytes, offered as fast as the pseudo-terminal takes them, into the main
// window's open port (which reads and drops whatever the indexer sends): how long until all was
// read, and how much the resident memory grew meanwhile, against a plain QSerialPort that reads
// everything with readAll() on every readyRead.
class FloodBenchmark
{
public:
    explicit FloodBenchmark(const BenchContext &context);

    // False when the flood could not be made or was not read.
    bool run();

private:
    struct Drain
    {
        double ms = 0;
        double growthMiB = 0;
    };

    // Floods whatever in this process has the port open now.
    bool flood(Drain *drain, QString *error);

    BenchContext m_context;
    qint64 m_bytes;
};
