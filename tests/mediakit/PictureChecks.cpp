#include "PictureChecks.h"

#include <algorithm>
#include <cmath>

namespace PictureChecks {
namespace {

double Luminance(QRgb c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

} // namespace

double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

double LeastContrast(const QImage& picture, QRect rect, QRgb text)
{
    double least = 21;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            least = std::min(least, Contrast(picture.pixel(x, y), text));
    return least;
}

} // namespace PictureChecks
