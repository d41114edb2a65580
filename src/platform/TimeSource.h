#pragma once

#include <QDate>
#include <QTime>
#include <cstdint>

class TPageTimer;

// The clock the pages read and the driver of their timers.
class ITimeSource {
public:
    virtual ~ITimeSource() = default;
    // Milliseconds on a steady clock.
    virtual std::int64_t NowMs() const = 0;
    virtual QTime TimeOfDay() const = 0;
    // The calendar date (pages that list years count from it).
    virtual QDate Today() const = 0;
    // Called whenever a timer's enabled state or interval changes, and when it dies (enabled false).
    virtual void Schedule(TPageTimer& timer, bool running) = 0;
};
