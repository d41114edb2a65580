#include "KezelPlaces.h"

namespace KezelPlaces {

namespace {
bool Within(int value, int from, int to)
{
    return value >= from && value <= to;
}
} // namespace

bool Reached(int step, const QRect& bounds)
{
    const int left = bounds.left();
    const int top = bounds.top();
    const int right = left + bounds.width();
    const int bottom = top + bounds.height();
    const bool nearTop = Within(top, 0, 49);
    const bool nearLeft = Within(left, 0, 49);
    const bool nearBottom = Within(bottom, 719, 768);
    const bool nearRight = Within(right, 975, 1024);
    switch (step) {
    case 11: return nearTop && nearLeft;
    case 12: return nearBottom && nearRight;
    case 13: return nearTop && nearRight;
    case 14: return nearBottom && nearLeft;
    case 15:
        return Start.y() - 100 < top && top < Start.y() + 100 && Start.x() - 100 < left && left < Start.x() + 100;
    default: return false;
    }
}

} // namespace KezelPlaces
