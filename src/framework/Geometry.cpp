#include "Geometry.h"

bool PointStrictlyInside(const QPoint& point, int left, int top, int right, int bottom)
{
    return left < point.x() && point.x() < right && top < point.y() && point.y() < bottom;
}

bool PointStrictlyInside(const QPoint& point, const QRect& rect)
{
    return PointStrictlyInside(point, rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
}
