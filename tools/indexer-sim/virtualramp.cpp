#include "virtualramp.h"

#include <algorithm>

VirtualRamp::VirtualRamp(const Options &options)
    : m_indexer(options.stepsPerRevolution)
    , m_block(options.block)
{
    m_indexer.setRamp(options.ramp);
}

QList<IndexerEvent> VirtualRamp::receive(const QByteArray &bytes, double now)
{
    QList<IndexerEvent> events = advanceTo(now);
    events += m_indexer.receive(bytes, m_lastTime);
    return events;
}

QList<IndexerEvent> VirtualRamp::advance(double now)
{
    return advanceTo(now);
}

QList<IndexerEvent> VirtualRamp::placeBlock(double now)
{
    QList<IndexerEvent> events = advanceTo(now);
    m_block.place();
    events.append({ m_lastTime, {}, QStringLiteral("block-placed") });
    const double angle = m_indexer.angle(m_lastTime);
    if (angle > m_block.slipAngle()) {
        events += m_block.slip(m_lastTime, angle);
        events += m_block.advance(m_lastTime);
    }
    return events;
}

bool VirtualRamp::isBusy() const
{
    return m_indexer.isMoving() || m_block.state() == SlidingBlock::State::Sliding;
}

QList<IndexerEvent> VirtualRamp::advanceTo(double now)
{
    const double from = m_lastTime;
    now = std::max(now, m_lastTime);
    m_lastTime = now;

    QList<IndexerEvent> events;
    const double slip = m_block.slipAngle();
    if (m_block.state() == SlidingBlock::State::Resting && m_indexer.angle(now) > slip
        && m_indexer.angle(from) <= slip) {
        double lower = from;
        double upper = now;
        for (int i = 0; i < 100 && upper - lower > 1e-12; ++i) {
            const double middle = (lower + upper) / 2;
            (m_indexer.angle(middle) > slip ? upper : lower) = middle;
        }
        events += m_block.slip(upper, m_indexer.angle(upper));
    }
    events += m_indexer.advance(now);
    events += m_block.advance(now);
    std::stable_sort(events.begin(), events.end(),
                     [](const IndexerEvent &a, const IndexerEvent &b) { return a.time < b.time; });
    return events;
}
