#pragma once

#include <chrono>

// How long to wait before the next try at a server that failed: twice as long each time, from
// `first` up to `longest`, and from `first` again after a success.
class Backoff
{
public:
    explicit Backoff(std::chrono::milliseconds first = std::chrono::seconds(1),
                     std::chrono::milliseconds longest = std::chrono::seconds(30));

    std::chrono::milliseconds next();
    void reset();

private:
    std::chrono::milliseconds m_first;
    std::chrono::milliseconds m_longest;
    std::chrono::milliseconds m_next;
};
