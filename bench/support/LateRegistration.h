#pragma once

#include <functional>
#include <vector>

// Benchmarks named from the course's tables register once main has started: the tables' words
// live in the course libraries, whose static objects may not be made yet while a benchmark
// program's own are (the butterfly hunt's samples lost their "START" that way).
namespace LateRegistration {

inline std::vector<std::function<void()>>& Pending()
{
    static std::vector<std::function<void()>> pending;
    return pending;
}

inline bool Add(std::function<void()> registration)
{
    Pending().push_back(std::move(registration));
    return true;
}

inline void RunAll()
{
    for (const auto& registration : Pending())
        registration();
    Pending().clear();
}

} // namespace LateRegistration
