#include "Fonts.h"

#include <cmath>

QFont PointFont(const QString& family, int points, bool bold)
{
    return PixelFont(family, int(std::lround(points * 96.0 / 72.0)), bold);
}

QFont PixelFont(const QString& family, int pixels, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixels > 0 ? pixels : 1);
    font.setBold(bold);
    return font;
}

QFont InPixels(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font;
    QFont result = font;
    result.setPixelSize(std::max(1, int(std::lround(font.pointSizeF() * 96.0 / 72.0))));
    return result;
}
