#include "RealTime.h"

#include "PageTimer.h"

void TRealTime::Schedule(TPageTimer& timer, bool running)
{
    if (running)
        timer.RealTimer().start(timer.Interval());
    else
        timer.RealTimer().stop();
}
