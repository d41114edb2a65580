#include "Lufi.h"

#include "platform/RandomSource.h"

#include <algorithm>

TLufi::TLufi(QWidget* parent) : TImage(parent, QRect(QPoint(0, 768), Size)) {}

int TLufi::DrawSpeed(IRandomSource& random, int level)
{
    // A draw below level × 5 000 000, in millionths, cut to whole pixels.
    const int speed = random.Random(level * 5000000) / 1000000 + 1;
    return std::clamp(speed, 4, 15);
}

int TLufi::DrawLeft(IRandomSource& random)
{
    return 150 + random.Random(600000) / 1000;
}

bool TLufi::Rise()
{
    move(x(), y() - speed_);
    return y() < -height();
}
