#include "slidingblock.h"

#include <cmath>
#include <numbers>

namespace {

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

} // namespace

SlidingBlock::SlidingBlock(const Options &options)
    : m_options(options)
    , m_random(options.seed)
{
}

double SlidingBlock::slipAngle() const
{
    return std::atan(m_options.muStatic) * 180 / std::numbers::pi;
}

std::optional<double> SlidingBlock::deltaT(double angle, double lengthCm, double muKinetic,
                                           double gravity)
{
    const double theta = radians(angle);
    const double a = gravity * (std::sin(theta) - muKinetic * std::cos(theta));
    if (!(a > 0))
        return std::nullopt;
    return std::sqrt(lengthCm / 100 / (2 * a));
}

QList<IndexerEvent> SlidingBlock::slip(double time, double angle)
{
    QList<IndexerEvent> events {
        { time, {}, QStringLiteral("block-slides angle=%1").arg(angle, 0, 'f', 3) }
    };
    m_lastSlipAngle = angle;
    const auto gate = deltaT(angle, m_options.lengthCm, m_options.muKinetic, m_options.gravity);
    if (!gate) {
        m_state = State::Stopped;
        events.append({ time, {}, QStringLiteral("block-stops") });
        return events;
    }
    // From rest, one length takes sqrt(2L/a) = 2 ΔT; then the gate stays dark for ΔT.
    m_state = State::Sliding;
    m_gateTime = time + 3 * *gate;
    m_deltaTMs = std::max(0.0, *gate * 1000 + noiseMs());
    return events;
}

QList<IndexerEvent> SlidingBlock::advance(double now)
{
    if (m_state != State::Sliding || now < m_gateTime)
        return {};
    m_state = State::Passed;
    m_lastDeltaTMs = m_deltaTMs;
    return { { m_gateTime, {}, QStringLiteral("photogate dt_ms=%1").arg(m_deltaTMs, 0, 'f', 2) } };
}

void SlidingBlock::place()
{
    m_state = State::Resting;
}

double SlidingBlock::noiseMs()
{
    if (m_options.gateNoiseMs <= 0)
        return 0;
    // Box-Muller; 1 - u keeps the logarithm away from 0.
    const double u = 1 - m_random.generateDouble();
    const double v = m_random.generateDouble();
    return m_options.gateNoiseMs * std::sqrt(-2 * std::log(u)) * std::cos(2 * std::numbers::pi * v);
}
