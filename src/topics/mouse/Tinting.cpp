#include "Tinting.h"

#include <algorithm>

namespace Tinting {

namespace {
int Mix(int shade, int alpha, int colour)
{
    return (shade * alpha + colour * 255) / (alpha + 255);
}
} // namespace

QImage Tint(const QImage& picture, const QImage& shading, const QColor& colour)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    const QImage shade = shading.convertToFormat(QImage::Format_ARGB32);
    const int width = std::min(result.width(), shade.width());
    const int height = std::min(result.height(), shade.height());
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        const auto* shadeLine = reinterpret_cast<const QRgb*>(shade.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha == 0)
                continue;
            const QRgb s = shadeLine[x];
            const int a = qAlpha(s);
            line[x] = qRgba(Mix(qRed(s), a, colour.red()), Mix(qGreen(s), a, colour.green()),
                            Mix(qBlue(s), a, colour.blue()), alpha);
        }
    }
    return result;
}

} // namespace Tinting
