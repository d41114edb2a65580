#include "PreviewPaint.h"

#include <QPainter>

namespace PreviewPaint {

QImage Over(const QImage& page, const QImage& picture, QPoint at)
{
    QImage result = page;
    QPainter painter(&result);
    painter.drawImage(at, picture);
    return result;
}

QImage SeeThrough(const QImage& frame)
{
    QImage result = frame.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, 0);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x)
            if (result.pixel(x, y) == key)
                result.setPixel(x, y, qRgba(0, 0, 0, 0));
    return result;
}

} // namespace PreviewPaint
