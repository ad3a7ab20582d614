#pragma once

#include <QString>

#include <cstdint>

// The running sum of the steps the program has commanded since the last reset: the operator's only
// record of where the ramp has been driven. The indexer is never asked for its position.
class StepAccumulator
{
public:
    // Adds the increment; refuses (false, count unchanged) a sum outside the signed 32-bit range.
    [[nodiscard]] bool add(std::int32_t increment);
    void reset();

    std::int32_t count() const { return m_count; }

    // "0" until the count is first updated or reset; from then on the count with a leading blank
    // when zero or positive (" 0", " 10000") and a leading minus sign when negative ("-10000").
    QString displayText() const;

private:
    std::int32_t m_count = 0;
    bool m_changed = false;
};
