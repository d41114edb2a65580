#include "BrushPrint.h"

#include <QImage>
#include <QPainter>

namespace BrushPrint {

QRect Bounds(QPoint at, int size)
{
    const int r = size / 2;
    return {at.x() - r, at.y() - r, 2 * r + 1, 2 * r + 1};
}

void Draw(QImage& image, QPoint at, int size, TKind kind, const QColor& colour)
{
    const QRect bounds = Bounds(at, size);
    QPainter painter(&image);
    if (kind == TKind::Square) {
        painter.fillRect(bounds, colour);
        return;
    }
    // A hard-edged disc, row by row around the pointer's pixel: a pixel (dx, dy) away belongs to it
    // when dx² + dy² <= r² + r, so the widest rows reach the bounds and the corners stay out.
    const int r = size / 2;
    for (int dy = -r; dy <= r; ++dy) {
        int half = 0;
        while ((half + 1) * (half + 1) + dy * dy <= r * r + r)
            ++half;
        painter.fillRect(QRect(at.x() - half, at.y() + dy, 2 * half + 1, 1), colour);
    }
}

} // namespace BrushPrint
