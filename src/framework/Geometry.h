#pragma once

#include <QPoint>
#include <QRect>

// True when the point lies inside the rectangle and on none of its edges. The rectangle's edges are
// left, top, right = left + width, bottom = top + height (the classic Rect(left, top, right, bottom)).
bool PointStrictlyInside(const QPoint& point, const QRect& rect);
bool PointStrictlyInside(const QPoint& point, int left, int top, int right, int bottom);
