#include "RepeatCount.h"

bool TRepeatCount::Count(int limit, const QString& lastTime, const std::function<QString(int)>& stillN, QString& text)
{
    if (counter_ >= limit)
        return true;
    ++counter_;
    text = counter_ == limit ? lastTime : stillN(limit + 1 - counter_);
    return false;
}
