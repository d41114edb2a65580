#include "PageTimer.h"

#include "ErrorReport.h"
#include "Services.h"
#include "TimeSource.h"

TPageTimer::TPageTimer(QObject* parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

TPageTimer::~TPageTimer()
{
    Services::Time().Schedule(*this, false);
}

void TPageTimer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    Reschedule();
}

void TPageTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Reschedule();
}

void TPageTimer::Fire()
{
    if (handler_)
        Guarded(handler_);
}

void TPageTimer::Reschedule()
{
    Services::Time().Schedule(*this, enabled_ && interval_ > 0);
}
