#include "MarginMove.h"

#include <algorithm>

namespace MarginMove {

namespace {
constexpr int PageWidth = 1024;
constexpr int PageHeight = 768;

// Moves come only every few pointer events, so one jump can be long: a fast pointer (or one out
// on the bands of a wide screen) would otherwise throw the picture off the page, out of reach. A
// picture already partly off (a ball lying on the floor) may stay where it is, never go further.
int WithinPage(int at, int now, int size, int page)
{
    return std::clamp(at, std::min(0, now), std::max(page - size, now));
}

QPoint OnPage(const QPoint& at, const QRect& picture)
{
    return QPoint(WithinPage(at.x(), picture.left(), picture.width(), PageWidth),
                  WithinPage(at.y(), picture.top(), picture.height(), PageHeight));
}
} // namespace

TMove Follow(const QRect& picture, const QPoint& candidate, int margin)
{
    const int left = picture.x();
    const int top = picture.y();
    const int right = left + picture.width();
    const int bottom = top + picture.height();
    if (left > margin && right + margin < PageWidth && top > margin && bottom + margin < PageHeight)
        return {OnPage(candidate, picture), true};

    QPoint to(left, top);
    if (right + margin >= PageWidth && candidate.x() < left)
        to.setX(candidate.x());
    else if (left <= margin && candidate.x() > margin)
        to.setX(candidate.x());
    if (bottom + margin >= PageHeight && candidate.y() < top)
        to.setY(candidate.y());
    else if (top <= margin && candidate.y() > margin)
        to.setY(candidate.y());
    return {OnPage(to, picture), false};
}

} // namespace MarginMove
