#pragma once

#include "TimeSource.h"

#include <utility>
#include <vector>

// Test double: time stands still until the test advances it; due timers then fire in order.
class TManualTime : public ITimeSource {
public:
    std::int64_t NowMs() const override { return now_; }
    QTime TimeOfDay() const override { return QTime(0, 0).addMSecs(static_cast<int>(clockStart_ + now_)); }
    QDate Today() const override { return today_; }
    void Schedule(TPageTimer& timer, bool running) override;

    void SetTimeOfDay(QTime time) { clockStart_ = QTime(0, 0).msecsTo(time) - now_; }
    void SetToday(QDate date) { today_ = date; }
    // Moves the clock forward, firing every timer whose interval elapses on the way.
    void Advance(std::int64_t milliseconds);
    int RunningTimers() const { return static_cast<int>(due_.size()); }

private:
    std::int64_t now_ = 0;
    std::int64_t clockStart_ = 0;
    QDate today_{2026, 9, 1};
    // In start order, so that timers due at the same moment fire in a fixed order.
    std::vector<std::pair<TPageTimer*, std::int64_t>> due_;
};
