#include "MarginMove.h"

#include <algorithm>

namespace MarginMove {

namespace {
constexpr int PageWidth = 1024;
constexpr int PageHeight = 768;

// Moves come only every few pointer events, so one jump can be long: a fast pointer (or one out
// on the bands of a wide screen) would otherwise throw the picture off the page, out of reach.
QPoint OnPage(const QPoint& at, const QSize& size)
{
    return QPoint(std::clamp(at.x(), 0, std::max(0, PageWidth - size.width())),
                  std::clamp(at.y(), 0, std::max(0, PageHeight - size.height())));
}
} // namespace

TMove Follow(const QRect& picture, const QPoint& candidate, int margin)
{
    const int left = picture.x();
    const int top = picture.y();
    const int right = left + picture.width();
    const int bottom = top + picture.height();
    if (left > margin && right + margin < PageWidth && top > margin && bottom + margin < PageHeight)
        return {OnPage(candidate, picture.size()), true};

    QPoint to(left, top);
    if (right + margin >= PageWidth && candidate.x() < left)
        to.setX(candidate.x());
    else if (left <= margin && candidate.x() > margin)
        to.setX(candidate.x());
    if (bottom + margin >= PageHeight && candidate.y() < top)
        to.setY(candidate.y());
    else if (top <= margin && candidate.y() > margin)
        to.setY(candidate.y());
    return {OnPage(to, picture.size()), false};
}

} // namespace MarginMove
