#pragma once

#include "TimeSource.h"

#include <QElapsedTimer>

class TRealTime : public ITimeSource {
public:
    TRealTime() { clock_.start(); }
    std::int64_t NowMs() const override { return clock_.elapsed(); }
    QTime TimeOfDay() const override { return QTime::currentTime(); }
    QDate Today() const override { return QDate::currentDate(); }
    void Schedule(TPageTimer& timer, bool running) override;

private:
    QElapsedTimer clock_;
};
