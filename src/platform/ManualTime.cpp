#include "ManualTime.h"

#include "PageTimer.h"

#include <algorithm>

void TManualTime::Schedule(TPageTimer& timer, bool running)
{
    std::erase_if(due_, [&](const auto& row) { return row.first == &timer; });
    if (running)
        due_.emplace_back(&timer, now_ + std::max(1, timer.Interval()));
}

void TManualTime::Advance(std::int64_t milliseconds)
{
    const std::int64_t end = now_ + milliseconds;
    for (;;) {
        // Handlers may stop, start or destroy timers, so look for the earliest afresh each time.
        auto next = due_.end();
        for (auto row = due_.begin(); row != due_.end(); ++row)
            if (row->second <= end && (next == due_.end() || row->second < next->second))
                next = row;
        if (next == due_.end())
            break;
        TPageTimer* timer = next->first;
        now_ = next->second;
        next->second = now_ + std::max(1, timer->Interval());
        // Move it behind timers due at the same moment.
        std::rotate(next, next + 1, due_.end());
        timer->Fire();
    }
    now_ = end;
}
