#pragma once

#include "indexermodel.h"
#include "slidingblock.h"

// The whole bench without hardware: the indexer, the ramp its motor tilts and the block with its
// photogate, on one clock. The simulator feeds it the bytes that arrive and prints what it returns;
// the window draws it. Like IndexerModel, every call passes the time and times never go back.
//
// The block is watched over the span between two calls, on the move the indexer ran during that
// span (a new move starts only inside a call), so the moment it slips is found exactly however
// rarely the caller looks.
class VirtualRamp
{
public:
    struct Options
    {
        int stepsPerRevolution = IndexerModel::kDefaultStepsPerRevolution;
        IndexerModel::Ramp ramp;
        SlidingBlock::Options block;
    };

    explicit VirtualRamp(const Options &options);

    QList<IndexerEvent> receive(const QByteArray &bytes, double now);
    QList<IndexerEvent> advance(double now);
    // Rests the block at the top again; on a ramp already past its slip angle it slides at once.
    QList<IndexerEvent> placeBlock(double now);

    // Something is still to happen without new bytes: the motor moves or the block slides.
    bool isBusy() const;
    double angle(double now) const { return m_indexer.angle(now); }
    const IndexerModel &indexer() const { return m_indexer; }
    const SlidingBlock &block() const { return m_block; }

private:
    QList<IndexerEvent> advanceTo(double now);

    IndexerModel m_indexer;
    SlidingBlock m_block;
    double m_lastTime = 0;
};
