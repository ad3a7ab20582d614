#include "stepaccumulator.h"

#include <limits>

bool StepAccumulator::add(std::int32_t increment)
{
    const std::int64_t sum = std::int64_t { m_count } + increment;
    if (sum < std::numeric_limits<std::int32_t>::min()
        || sum > std::numeric_limits<std::int32_t>::max())
        return false;
    m_count = static_cast<std::int32_t>(sum);
    m_changed = true;
    return true;
}

void StepAccumulator::reset()
{
    m_count = 0;
    m_changed = true;
}

QString StepAccumulator::displayText() const
{
    if (!m_changed)
        return QStringLiteral("0");
    const QString digits = QString::number(m_count);
    return m_count < 0 ? digits : u' ' + digits;
}
