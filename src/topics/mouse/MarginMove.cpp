#include "MarginMove.h"

namespace MarginMove {

namespace {
constexpr int PageWidth = 1024;
constexpr int PageHeight = 768;
} // namespace

TMove Follow(const QRect& picture, const QPoint& candidate, int margin)
{
    const int left = picture.x();
    const int top = picture.y();
    const int right = left + picture.width();
    const int bottom = top + picture.height();
    if (left > margin && right + margin < PageWidth && top > margin && bottom + margin < PageHeight)
        return {candidate, true};

    QPoint to(left, top);
    if (right + margin >= PageWidth && candidate.x() < left)
        to.setX(candidate.x());
    else if (left <= margin && candidate.x() > margin)
        to.setX(candidate.x());
    if (bottom + margin >= PageHeight && candidate.y() < top)
        to.setY(candidate.y());
    else if (top <= margin && candidate.y() > margin)
        to.setY(candidate.y());
    return {to, false};
}

} // namespace MarginMove
