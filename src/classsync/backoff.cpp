#include "backoff.h"

#include <algorithm>

Backoff::Backoff(std::chrono::milliseconds first, std::chrono::milliseconds longest)
    : m_first(first)
    , m_longest(std::max(first, longest))
    , m_next(first)
{
}

std::chrono::milliseconds Backoff::next()
{
    const std::chrono::milliseconds wait = m_next;
    m_next = std::min(m_next * 2, m_longest);
    return wait;
}

void Backoff::reset()
{
    m_next = m_first;
}
